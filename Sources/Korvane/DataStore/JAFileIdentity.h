// What the job-accounting file was when the list copied it: enough to tell at Save whether
// someone else (another administrator, another run) has saved it since. Plain data.
#pragma once

#include "Platform/FileIdentity.h"

typedef PlatformFileIdentity JAFileIdentityRec;

// The file at path as it is now, its content being the length bytes at text (the bytes just
// read from it or written to it). A missing file, or an empty path, gives an identity with
// exists false.
void NoteJAFileIdentity(const char* path, const void* text, SInt32 length,
                        JAFileIdentityRec* identity);

// The file a commit has just put in place, as the commit reports it, its content being the
// length bytes at text.
void NoteCommittedJAFileIdentity(const PlatformFileIdentity& written, const void* text,
                                 SInt32 length, JAFileIdentityRec* identity);

// True when the file at path is no longer what identity describes: it appeared, went, or
// differs in place, size, modification time or content.
Boolean JAFileChangedSince(const char* path, const JAFileIdentityRec* identity);
