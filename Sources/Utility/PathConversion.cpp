#include "Utility/Utility.h"

#include "Platform/CoreFoundation.h"
#include "Platform/Foundation.h"
#include "Platform/MacErrors.h"

namespace {

// An item that does not exist yet (a save panel's answer) is named by its folder's node ID and
// its own name.
OSErr MissingItemToFSSpec(const char* path, FSSpec* spec) {
    CFStringRef pathString = static_cast<CFStringRef>(
        CFAutorelease(CFStringCreateWithCString(kCFAllocatorDefault, path, kCFStringEncodingUTF8)));
    if (!pathString) return memFullErr;
    CFURLRef url = static_cast<CFURLRef>(CFAutorelease(CFURLCreateWithFileSystemPath(
        kCFAllocatorDefault, pathString, kCFURLPOSIXPathStyle, false)));
    if (!url) return memFullErr;
    CFURLRef parentURL = static_cast<CFURLRef>(
        CFAutorelease(CFURLCreateCopyDeletingLastPathComponent(kCFAllocatorDefault, url)));
    if (!parentURL) return memFullErr;
    FSRef parentRef;
    if (!CFURLGetFSRef(parentURL, &parentRef)) return fnfErr;
    FSCatalogInfo parentInfo;
    OSErr err = FSGetCatalogInfo(&parentRef, kFSCatInfoNodeFlags | kFSCatInfoNodeID, &parentInfo,
                                 nullptr, spec, nullptr);
    if (err != noErr) return err;
    CFStringRef name = static_cast<CFStringRef>(CFAutorelease(CFURLCopyLastPathComponent(url)));
    if (!name) return memFullErr;
    if (!CFStringGetPascalString(name, spec->name, sizeof spec->name, CFStringGetSystemEncoding()))
        return fnfErr;
    spec->parID = SInt32(parentInfo.nodeID);
    return noErr;
}

} // namespace

OSErr PathToFSSpec(const char* path, FSSpec* spec) {
    if (!path || !spec) return paramErr;
    NSAutoreleasePool pool;
    FSRef ref;
    if (FSPathMakeRef(reinterpret_cast<const UInt8*>(path), &ref, nullptr) == noErr)
        return FSGetCatalogInfo(&ref, kFSCatInfoNone, nullptr, nullptr, spec, nullptr);
    return MissingItemToFSSpec(path, spec);
}
