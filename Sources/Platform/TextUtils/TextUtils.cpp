#include "Platform/TextUtils.h"

#include <cstring>

void CopyCStringToPascal(const char* src, Str255 dst) {
    if (!src || !dst) return;
    const size_t length = strnlen(src, 255);
    std::memmove(dst + 1, src, length);
    dst[0] = UInt8(length);
}

void CopyPascalStringToC(ConstStr255Param src, char* dst) {
    if (!src || !dst) return;
    const size_t length = src[0];
    std::memmove(dst, src + 1, length);
    dst[length] = '\0';
}

void p2cstrcpy(char* dst, ConstStr255Param src) {
    CopyPascalStringToC(src, dst);
}
