// The appearance calls that draw list frames and focus rings.
#pragma once

#include "Platform/MacTypes.h"

typedef UInt32 ThemeDrawState;
constexpr ThemeDrawState kThemeStateInactive = 0, kThemeStateActive = 1;

OSStatus DrawThemeListBoxFrame(const Rect* inRect, ThemeDrawState inState);
OSStatus DrawThemeFocusRect(const Rect* inRect, Boolean inHasFocus);
