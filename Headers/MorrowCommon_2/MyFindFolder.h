// Finding the Preferences folder, and telling whether a named file exists.
#pragma once

#include "Platform/Files.h"

// The Preferences folder of the system disk, created when missing. The two outputs are written
// only on success.
OSErr FindPreferencesFolder(SInt16* vRefNum, SInt32* dirID);

// 0 when a file of that name exists; -43 when nothing does or the name is empty (the file system
// is not asked then); -48 when the name is taken by a folder; any other file system error as is.
OSErr FindNamedFile(const FSSpec* spec);
OSErr FindNamedFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name);
