// Conversions between zero-terminated and length-prefixed strings. Source and destination may
// be the same buffer; a null argument makes the call do nothing.
#pragma once

#include "Platform/MacTypes.h"

// Takes at most 255 bytes of src.
void CopyCStringToPascal(const char* src, Str255 dst);
void CopyPascalStringToC(ConstStr255Param src, char* dst);

void p2cstrcpy(char* dst, ConstStr255Param src);
