// Conversions between zero-terminated and length-prefixed strings, and the case of text. Source
// and destination may be the same buffer; a null argument makes the call do nothing.
#pragma once

#include "Platform/MacTypes.h"

// Takes at most 255 bytes of src.
void CopyCStringToPascal(const char* src, Str255 dst);
void CopyPascalStringToC(ConstStr255Param src, char* dst);

void p2cstrcpy(char* dst, ConstStr255Param src);

// Lowers the case of the UTF-8 text in place, for comparisons that ignore case in every script:
// each character folded (simply, one character for one) where the folded one is as long, so
// that the text keeps its length. The script is not looked at.
void LowercaseText(Ptr textPtr, SInt16 len, ScriptCode script);
