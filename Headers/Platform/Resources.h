// The Resource Manager: the chain of open resource files and the resources in them, held as
// handles. A file's resource fork lives in its AppleDouble sidecar; the application's own
// resource file (Contents/Resources/Korvane.rsrc in the main bundle) is a plain file, opened
// read-only on the first Resource Manager call as the current resource file, above the system
// resource file (Contents/Resources/System.rsrc) at the bottom of the chain. Either may be
// missing or damaged; the chain then goes without it.
//
// A resource file reference number is the File Manager reference number of the open fork, so
// the File Manager can tell where it lives. 0 names the system resource file (or no file when
// there is none).
//
// Files opened without write access keep every change in memory: adding, changing, writing and
// removing resources work as usual and report no error, and nothing reaches the disk.
//
// Calls that can fail record their result for ResError; a call given a handle that is not a
// resource reports resNotFound.
#pragma once

#include "Platform/MacTypes.h"

typedef StringPtr* StringHandle;

// Resource attributes (GetResAttrs).
constexpr SInt16 resSysHeap = 0x40;
constexpr SInt16 resPurgeable = 0x20;
constexpr SInt16 resLocked = 0x10;
constexpr SInt16 resProtected = 0x08;
constexpr SInt16 resPreload = 0x04;
constexpr SInt16 resChanged = 0x02;

// Resource file attributes.
constexpr SInt16 mapReadOnly = 0x80;
constexpr SInt16 mapCompact = 0x40;
constexpr SInt16 mapChanged = 0x20;

OSErr ResError();

// The chain of open files.
SInt16 CurResFile();
void UseResFile(SInt16 refNum);
// Creates the file when it is missing and gives it an empty resource map. A file whose
// resource fork already holds data keeps it: dupFNErr.
void HCreateResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName);
// Opens the file's resource fork, puts it on top of the chain and makes it current; -1 on an
// error. A file that is open already gives its reference number and stays where it is.
SInt16 HOpenResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName, SInt8 permission);
// Writes the changed resources and the map, releases the file's resources and closes it. The
// file below it becomes current when it was. The system file stays open.
void CloseResFile(SInt16 refNum);

// Reading. GetResource searches the current file and every file below it; Get1Resource the
// current file only. A resource already loaded comes back as the same handle.
Handle GetResource(ResType theType, SInt16 theID);
Handle Get1Resource(ResType theType, SInt16 theID);
SInt16 GetResAttrs(Handle theResource);

// Changing. Every change is made to the file's image in memory; CloseResFile writes the image
// whole when it has changed. AddResource adds a handle that is not yet a resource to the
// current file; an empty name means none. ChangedResource marks a resource's handle as newer
// than the file; WriteResource takes the handle's data into the image.
void AddResource(Handle theData, ResType theType, SInt16 theID, ConstStr255Param name);
void ChangedResource(Handle theResource);
void WriteResource(Handle theResource);
// Removes the resource from the current file; the handle becomes the caller's.
void RemoveResource(Handle theResource);

// Letting go. ReleaseResource disposes of the handle; DetachResource leaves it to the caller.
// Either way a changed handle's data is first taken into the image, so it is not lost.
void ReleaseResource(Handle theResource);
void DetachResource(Handle theResource);

// String resources: 'STR#' lists (a 16-bit count, then length-prefixed strings) and 'STR '.
// GetIndString gives the empty string when the list or the index (1-based) is missing.
void GetIndString(Str255 theString, SInt16 strListID, SInt16 index);
StringHandle GetString(SInt16 stringID);

// The host's own: noErr when the main bundle's resource file is open on the chain, else the
// error met opening it (fnfErr when there is no main bundle). The path looked at (empty without
// a bundle) goes to path, zero-terminated and cut to pathSize bytes.
OSErr PlatformApplicationResourceFileError(char* path, UInt32 pathSize);
