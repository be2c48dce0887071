// Where the job-accounting file lies: in the folder named by "OEM Name" inside the local domain's
// Preferences folder (/etc), under the name "Japrefs File Name". A file that earlier versions
// kept in the former Preferences folder (/Library/Preferences) is read there, and moved by the
// next commit.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Composes jaFolderPath and jaFilePath and names jaFileSpec, at start-up. bdNamErr when a name is
// empty, ".", ".." or holds "/", when the file name does not fit an FSSpec, or when a path does
// not fit its field; dirNFErr when the local Preferences path is unknown. On failure both paths
// are left empty, so that no tool is ever handed a cut path. When the file is missing at its
// place but lies at the former one, the paths name the former place and jaMoveFolderPath the
// folder the next commit moves it to.
OSErr SetJAFileLocations(GlueRec* context);

// After a commit that moved the file: the paths and jaFileSpec name the new place, and
// jaMovedFromPath the former file until the move is said. Nothing when no move was pending.
void SettleJAFileLocation(GlueRec* context);

// When another run moved the file meanwhile, the paths follow it, without a move of this run's
// own to tell of.
void FollowMovedJAFile(GlueRec* context);

// bdNamErr unless both paths were composed whole.
OSErr CheckJAPaths(const GlueRec* context);

// Finds the OEM folder, creating the local Preferences folder if need be, and points jaFileSpec's
// volume and folder into it (into the former folder while a move is pending). fnfErr when it is
// missing, dupFNErr when a file bears its name, other errors as the lookup gives them; jaFileSpec
// is then left as it was.
OSErr LookUpJAFolder(GlueRec* context);

// The POSIX path of the folder a volume and folder ID name, when it fits pathSize.
OSErr FolderPath(SInt16 vRefNum, SInt32 dirID, char* path, UInt32 pathSize);

// The POSIX path of the item an FSSpec names, when it fits pathSize; bdNamErr when it does not.
OSErr ItemPath(const FSSpec* spec, char* path, UInt32 pathSize);
