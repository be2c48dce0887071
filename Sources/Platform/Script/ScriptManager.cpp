// The locale decides the language as the C library would: LC_ALL, then LC_MESSAGES, then LANG,
// the first that is set and not empty.
#include "Platform/Script.h"

#include <cstdlib>
#include <string_view>

namespace {

constexpr SInt16 kNumberFormatID = 0; // the system's 'itl0'

std::string_view Locale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value && *value) return value;
    return {};
}

SInt16 Language() {
    return Locale().starts_with("ja") ? langJapanese : langEnglish;
}

bool IsRoman(SInt16 script) {
    return script == smRoman || script == smSystemScript || script == smCurrentScript;
}

} // namespace

SInt32 GetScriptManagerVariable(SInt16 selector) {
    return selector == smSysScript ? smRoman : 0;
}

SInt32 GetScriptVariable(SInt16 script, SInt16 selector) {
    if (!IsRoman(script)) return 0;
    switch (selector) {
    case smScriptLang:
        return Language();
    case smScriptNumber:
        return kNumberFormatID;
    default:
        return 0;
    }
}
