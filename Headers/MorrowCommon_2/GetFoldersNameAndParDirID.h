// A folder's name and parent folder, from the folder's own ID.
#pragma once

#include "Platform/Files.h"

// Writes the name of folder dirID into name (a Str255) and its parent's ID into parID.
// -120 when dirID names a file, not a folder; other file system errors as they come.
OSErr GetFoldersNameAndParDirID(SInt16 vRefNum, SInt32 dirID, StringPtr name, SInt32* parID);

// spec->parID holds a folder's own ID: fills in the folder's name and replaces parID by the
// folder's parent, so that spec names the folder itself.
OSErr GetFoldersNameAndParDirID(FSSpec* spec);

// The same, but the parent's ID goes to parID and spec->parID is left as it was.
// Both FSSpec forms return -37 and write nothing when the name is longer than 63 bytes.
OSErr GetFoldersNameAndParDirID(FSSpec* spec, SInt32* parID);
