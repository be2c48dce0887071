#include "Korvane/DataStore/JAFileIdentity.h"

void NoteJAFileIdentity(const char* path, const void* text, SInt32 length,
                        JAFileIdentityRec* identity) {
    PlatformNoteFileIdentity(path, text, length, identity);
}

void NoteCommittedJAFileIdentity(const PlatformFileIdentity& written, const void* text,
                                 SInt32 length, JAFileIdentityRec* identity) {
    *identity = written;
    PlatformHashFileContent(text, length, identity);
}

Boolean JAFileChangedSince(const char* path, const JAFileIdentityRec* identity) {
    const PlatformFileIdentity now = PlatformCurrentFileIdentity(path);
    return !PlatformSameFileIdentity(&now, identity);
}
