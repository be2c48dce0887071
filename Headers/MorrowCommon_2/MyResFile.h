// Creating a file's resource fork and opening it as a resource file.
#pragma once

#include "Platform/Files.h"

// Returns ResError() of HCreateResFile: -48 when the resource fork already holds data.
OSErr MyCreateResFile(const FSSpec* spec);
OSErr MyCreateResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name);

// Opens the resource file for reading and writing; it becomes the current resource file.
// refNum receives its reference number and is written only on success. -23 when the platform
// gave no reference number but reported no error.
OSErr MyOpenResFile(const FSSpec* spec, SInt16* refNum);
OSErr MyOpenResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, SInt16* refNum);

// The same with the given permission.
OSErr MyOpenResFileWithPermission(const FSSpec* spec, SInt8 permission, SInt16* refNum);
OSErr MyOpenResFileWithPermission(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                  SInt8 permission, SInt16* refNum);
