// Core Foundation subset: strings, dictionaries, file URLs and the main bundle with its
// information dictionaries. Objects follow the create/copy rule: what a Create or Copy call
// returns belongs to the caller, who releases it; what a Get call returns does not.
#pragma once

#include "Platform/Files.h"
#include "Platform/MacTypes.h"

typedef const void* CFTypeRef;
typedef const struct OpaqueCFString* CFStringRef;
typedef const struct OpaqueCFDictionary* CFDictionaryRef;
typedef const struct OpaqueCFURL* CFURLRef;
typedef struct OpaqueCFBundle* CFBundleRef;
typedef const struct OpaqueCFAllocator* CFAllocatorRef;

typedef long CFIndex;
typedef unsigned long CFTypeID;
typedef UInt32 CFStringEncoding;
typedef CFIndex CFURLPathStyle;

struct CFRange {
    CFIndex location;
    CFIndex length;
};

inline CFRange CFRangeMake(CFIndex location, CFIndex length) {
    return CFRange{location, length};
}

// Every object comes from the process heap; the allocator argument is accepted and ignored.
inline constexpr CFAllocatorRef kCFAllocatorDefault = nullptr;

enum : CFStringEncoding { kCFStringEncodingASCII = 0x0600, kCFStringEncodingUTF8 = 0x08000100 };
enum : CFURLPathStyle { kCFURLPOSIXPathStyle = 0 };

// Objects. CFRelease accepts null and does nothing with it.
void CFRelease(CFTypeRef object);
CFTypeID CFGetTypeID(CFTypeRef object);
// Hands the object to the innermost NSAutoreleasePool, which releases it when it ends.
CFTypeRef CFAutorelease(CFTypeRef object);

// Strings. Text is held as UTF-16; creation fails (null) when the bytes are not valid in the
// encoding or the encoding is not one of the two above.
CFTypeID CFStringGetTypeID();
CFStringRef CFStringCreateWithCString(CFAllocatorRef alloc, const char* cStr,
                                      CFStringEncoding encoding);
CFStringRef CFStringCreateWithPascalString(CFAllocatorRef alloc, ConstStr255Param pStr,
                                           CFStringEncoding encoding);
CFIndex CFStringGetLength(CFStringRef string);
void CFStringGetCharacters(CFStringRef string, CFRange range, UniChar* buffer);
// Both conversions write nothing and answer false when the text, with its terminator or length
// byte, does not fit or cannot be expressed in the encoding.
Boolean CFStringGetCString(CFStringRef string, char* buffer, CFIndex bufferSize,
                           CFStringEncoding encoding);
Boolean CFStringGetPascalString(CFStringRef string, StringPtr buffer, CFIndex bufferSize,
                                CFStringEncoding encoding);
CFStringEncoding CFStringGetSystemEncoding();

// A string constant, made once per distinct text and never freed.
CFStringRef CFStringMakeConstant(const char* utf8);
#define CFSTR(text) CFStringMakeConstant("" text "")

// Dictionaries keyed by strings.
const void* CFDictionaryGetValue(CFDictionaryRef dictionary, const void* key);

// File URLs of POSIX paths. There is no current folder: a relative path stays relative, and the
// File Manager finds nothing at it.
CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef alloc, CFStringRef filePath,
                                       CFURLPathStyle pathStyle, Boolean isDirectory);
CFURLRef CFURLCreateCopyDeletingLastPathComponent(CFAllocatorRef alloc, CFURLRef url);
CFStringRef CFURLCopyLastPathComponent(CFURLRef url);
Boolean CFURLGetFSRef(CFURLRef url, FSRef* fsRef);
// The path, NUL-terminated; false when it does not fit in maxBufLen bytes.
Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean resolveAgainstBase, UInt8* buffer,
                                         CFIndex maxBufLen);

// Bundles. The main bundle is the <name>.app folder whose Contents/MacOS holds the executable,
// else the executable's own folder. Its Info.plist and the localized InfoPlist.strings are XML
// property lists; a missing or unreadable one reads as an empty dictionary.
CFBundleRef CFBundleGetMainBundle();
CFDictionaryRef CFBundleGetInfoDictionary(CFBundleRef bundle);
CFDictionaryRef CFBundleGetLocalInfoDictionary(CFBundleRef bundle);
// The localized value when the localized dictionary has the key, else the Info.plist value.
CFTypeRef CFBundleGetValueForInfoDictionaryKey(CFBundleRef bundle, CFStringRef key);
CFStringRef CFBundleGetIdentifier(CFBundleRef bundle);
// The bundle's own folder.
CFURLRef CFBundleCopyBundleURL(CFBundleRef bundle);
// A program or module of the bundle's own beside its executable, in Contents/MacOS. Unlike the
// original, the URL is given also when no such file is there, so that the caller can name it.
CFURLRef CFBundleCopyAuxiliaryExecutableURL(CFBundleRef bundle, CFStringRef executableName);

#define kCFBundleNameKey CFSTR("CFBundleName")
#define kCFBundleIdentifierKey CFSTR("CFBundleIdentifier")
