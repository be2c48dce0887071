#include "CopyRules.h"
#include "Utility/Utility.h"

#include "Platform/Foundation.h"

Boolean GetBundleIdentifier(char* buffer, unsigned long bufferSize) {
    NSAutoreleasePool pool;
    return CopyTextToBuffer(NSBundle::mainBundle().bundleIdentifier(), buffer, bufferSize);
}

Boolean GetCFBundleName(char** name) {
    return GetLocalizedName("CFBundleName", name);
}

Boolean GetLocalizedName(const char* key, char** value) {
    if (!key || !value) return false;
    NSAutoreleasePool pool;
    CFStringRef keyString = static_cast<CFStringRef>(
        CFAutorelease(CFStringCreateWithCString(kCFAllocatorDefault, key, kCFStringEncodingUTF8)));
    CFDictionaryRef localInfo = CFBundleGetLocalInfoDictionary(CFBundleGetMainBundle());
    std::optional<std::string> text = UTF8String(CFDictionaryGetValue(localInfo, keyString));
    if (!text) return false;
    char* copy = MallocTextCopy(*text);
    if (!copy) return false;
    *value = copy;
    return true;
}
