// The Gestalt Manager: what the system is and offers, by selector.
#pragma once

#include "Platform/MacTypes.h"

// The running system's version, one number per selector.
constexpr OSType gestaltSystemVersionMajor = FOUR_CHAR_CODE("sys1");
constexpr OSType gestaltSystemVersionMinor = FOUR_CHAR_CODE("sys2");
constexpr OSType gestaltSystemVersionBugFix = FOUR_CHAR_CODE("sys3");

// Attribute selectors and the bit that says the service is there.
constexpr OSType gestaltAppearanceAttr = FOUR_CHAR_CODE("appr");
constexpr OSType gestaltDITLExtAttr = FOUR_CHAR_CODE("ditl");
enum { gestaltAppearanceExists = 0, gestaltDITLExtPresent = 0 };

// noErr with the answer in *response, or gestaltUndefSelectorErr for an unknown selector
// (response untouched), or paramErr for a null response.
OSErr Gestalt(OSType selector, SInt32* response);
