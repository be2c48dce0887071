// A one-call file chooser that answers in a classic StandardFileReply.
#pragma once

#include "Platform/Files.h"

// Shows the open dialog and fills reply; the caller tests sfGood, which is false whenever no
// file was chosen (cancelled, a default folder that is missing or no folder, memory, any
// dialog error). numTypes -1 offers every file; otherwise only the numTypes types of typeList,
// with no type popup. The dialog starts in the folder vRefNum/dirID when both are given.
// translationNeeded is cleared, and set when the reply asks for translation.
void MyEasyNavStdGetFile(StandardFileReply* reply, SInt16* vRefNum, SInt32* dirID,
                         Boolean* translationNeeded, SInt16 numTypes, const OSType* typeList);
