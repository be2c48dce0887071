// The Folder Manager: standard folders of the user's and the local domain.
#pragma once

#include "Platform/MacTypes.h"

constexpr SInt16 kOnSystemDisk = -32768;
constexpr SInt16 kLocalDomain = -32765;
constexpr SInt16 kUserDomain = -32763;
constexpr Boolean kDontCreateFolder = 0;
constexpr Boolean kCreateFolder = 1;

constexpr OSType kPreferencesFolderType = FOUR_CHAR_CODE("pref");

OSErr FindFolder(SInt16 vRefNum, OSType folderType, Boolean createFolder, SInt16* foundVRefNum,
                 SInt32* foundDirID);

// Where FindFolder finds, or would make, the folder: its path whether or not it exists yet. False
// for a domain or type FindFolder does not know, and for a path that does not fit pathSize.
Boolean PlatformFolderPath(SInt16 vRefNum, OSType folderType, char* path, UInt32 pathSize);
