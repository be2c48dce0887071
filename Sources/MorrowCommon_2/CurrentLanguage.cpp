#include "MorrowCommon_2/ModelessHelpDialog.h"

#include "Platform/Script.h"

short GetCurrentLanguageCode() {
    return short(GetScriptVariable(GetCurrentScriptCode(), smScriptLang));
}

Boolean CurrentLanguageIsJapanese() {
    return GetCurrentLanguageCode() == langJapanese;
}

short GetCurrentScriptCode() {
    return short(GetScriptManagerVariable(smSysScript));
}
