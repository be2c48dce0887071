// Creating an empty file: a data fork only, type and creator left zero.
#pragma once

#include "Platform/Files.h"

// Returns the file system's error: -48 when the name exists already.
OSErr MyOnlyCreateFile(const FSSpec* spec);
OSErr MyOnlyCreateFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name);
