#include "Korvane/Shell/GetStringFromPlist.h"

#include "Platform/TextCommon.h"
#include "Platform/TextUtils.h"

#include <algorithm>
#include <climits>

Boolean getStringFromPlist(char* buffer, unsigned long bufferSize, CFStringRef key,
                           unsigned long encoding) {
    if (buffer == NULL) return false;
    CFTypeRef value = CFBundleGetValueForInfoDictionaryKey(CFBundleGetMainBundle(), key);
    if (value == NULL || CFGetTypeID(value) != CFStringGetTypeID()) return false;
    return CFStringGetCString(static_cast<CFStringRef>(value), buffer,
                              CFIndex(std::min<unsigned long>(bufferSize, LONG_MAX)),
                              CFStringEncoding(encoding));
}

void getPStringFromPlist(unsigned char* pascalString, CFStringRef key) {
    if (pascalString == NULL) return;
    char cString[1024];
    if (getStringFromPlist(cString, sizeof cString, key, GetApplicationTextEncoding()))
        CopyCStringToPascal(cString, pascalString);
    else
        pascalString[0] = 0;
}
