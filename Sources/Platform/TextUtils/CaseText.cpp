#include "Platform/TextUtils.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

// Simple case folding, character by character: a character whose folded form is as long in
// UTF-8 takes it, so the text keeps its length and its bytes stay where they were.
void LowercaseText(Ptr textPtr, SInt16 len, ScriptCode) {
    if (!textPtr || len <= 0) return;
    auto* text = reinterpret_cast<uint8_t*>(textPtr);
    for (int32_t at = 0; at < len;) {
        const int32_t start = at;
        UChar32 c;
        U8_NEXT(text, at, len, c);
        if (c < 0) continue;
        const UChar32 folded = u_foldCase(c, U_FOLD_CASE_DEFAULT);
        if (folded == c || U8_LENGTH(folded) != at - start) continue;
        int32_t put = start; // the folded character takes exactly the bytes of the first
        U8_APPEND_UNSAFE(text, put, folded);
    }
}
