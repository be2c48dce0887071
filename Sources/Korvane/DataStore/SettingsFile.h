// The working copy "QZJA.temp": rewritten from the entry list after every change and read back
// into it, which is how every change reaches the list on screen.
#pragma once

#include "Korvane/Shell/GlueRec.h"

constexpr unsigned char kWorkingCopyName[] = {9, 'Q', 'Z', 'J', 'A', '.', 't', 'e', 'm', 'p'};
constexpr OSErr kSettingsNoMemoryErr = -1;

// Both work on the entry block of the list's state record; paramErr when there is none.

// Rewrites the working copy from the list and sets SAVE_BUTTON_Flag. 0; kSettingsNoMemoryErr
// when the text cannot be assembled; fnfErr when the working copy is missing; or the first file
// system error, the working copy then keeping its previous content.
OSErr SaveJASettingToJATemp(GlueRec* context);

// Gives the working copy the tempTextLength bytes at textOut and sets SAVE_BUTTON_Flag; the
// caller keeps the text. The results as above.
OSErr WriteTextToJATemp(GlueRec* context);

// Replaces the list's entries with the working copy's lines; a missing working copy gives an
// empty list. 0; kSettingsNoMemoryErr when the buffer cannot be allocated; or the first file
// system error, the list then unchanged. The page fields are not touched.
OSErr JobAccountDialogReadFromTemporary(GlueRec* context);
