// The Script Manager's queries about the system script. The system runs one script, Roman;
// its language is English unless the process's locale names Japanese.
#pragma once

#include "Platform/MacTypes.h"

// Script codes; the first two name the system's and the current script, whichever they are.
constexpr ScriptCode smSystemScript = -1, smCurrentScript = -2, smRoman = 0, smJapanese = 1;
// Language codes.
constexpr SInt16 langEnglish = 0, langJapanese = 11;

// Selectors of GetScriptManagerVariable.
constexpr SInt16 smSysScript = 18;
// Selectors of GetScriptVariable: the number format resource ('itl0') ID and the language.
constexpr SInt16 smScriptNumber = 16, smScriptLang = 28;

// 0 for a selector not listed above.
SInt32 GetScriptManagerVariable(SInt16 selector);
// 0 for a script that is not installed or a selector not listed above.
SInt32 GetScriptVariable(SInt16 script, SInt16 selector);
