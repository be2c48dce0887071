// The host's own privileged commit of a system file: one run of the bundle's commit helper
// (Contents/MacOS/korvane-commit) with an authorization's right. The helper opens the folder
// from / down without following links and refuses one that others than root can change, takes
// a lock on the folder that every commit takes, checks that the file is still what the caller
// read, writes the new content under a unique name, sets owner and mode on the open file, keeps
// the previous file as NAME-, renames the new one into place and flushes the folder. Root reads
// nothing but the bytes handed over here.
#pragma once

#include "Platform/Authorization.h"
#include "Platform/FileIdentity.h"
#include "Platform/MacTypes.h"

enum : OSStatus {
    kPlatformCommitChangedErr = -60070, // the file is no longer what was read: nothing written
    kPlatformCommitUnsafeFolderErr =
        -60071,                           // a folder on the path that others than root can change
    kPlatformCommitNotFlushedErr = -60072 // the new file is in place, its folder not flushed
};

// Commits the length bytes at text as folderPath/name, and its sidecar where that is missing or
// not root's own. With expected null the file is replaced whatever it is; otherwise it must be
// what expected describes (a missing file when expected->exists is false). With formerFolderPath
// the file lies there now, and is what expected describes there: it moves to folderPath, where
// no file of its name may be yet, with its sidecar, before it is replaced, and its backup at the
// former place goes. *written receives
// the new file's identity (its hash left 0) when the status is errAuthorizationSuccess or
// kPlatformCommitNotFlushedErr. Other failures: the status of AuthorizationExecuteWithPrivileges,
// or errAuthorizationToolEnvironmentError when the helper did not finish its work.
OSStatus PlatformCommitWithPrivileges(AuthorizationRef authorization, const char* folderPath,
                                      const char* formerFolderPath, const char* name,
                                      const PlatformFileIdentity* expected, const void* text,
                                      SInt32 length, const char* sidecarName, const void* sidecar,
                                      SInt32 sidecarLength, PlatformFileIdentity* written);
