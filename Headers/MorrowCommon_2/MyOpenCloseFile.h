// Opening a file's data fork and closing an open fork.
#pragma once

#include "Platform/Files.h"

// Opens the data fork for reading and writing. refNum receives the reference number, or 0 on an
// error; the file system's error is returned.
OSErr MyOnlyOpenFile(const FSSpec* spec, SInt16* refNum);
OSErr MyOnlyOpenFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, SInt16* refNum);

// The same with the given permission (fsRdPerm, fsWrPerm, fsRdWrPerm, ...).
OSErr MyOnlyOpenFileWithPermission(const FSSpec* spec, SInt8 permission, SInt16* refNum);
OSErr MyOnlyOpenFileWithPermission(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                   SInt8 permission, SInt16* refNum);

OSErr MyCloseFile(SInt16 refNum);
