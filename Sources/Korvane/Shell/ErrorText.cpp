#include "Korvane/Shell/ErrorText.h"

#include "Korvane/DataStore/JAPrefs.h"
#include "Platform/MacErrors.h"

#include <cstdio>

const char* ErrorText(OSErr err) {
    switch (err) {
    case fnfErr:
        return "no such file";
    case dirNFErr:
        return "no such folder";
    case permErr:
    case afpAccessDenied:
    case wrPermErr:
        return "permission denied";
    case notAFileErr:
        return "not a plain file";
    case fsDataTooBigErr:
        return "larger than a list of 5000 accounts can be";
    case dskFulErr:
        return "the disk is full";
    case ioErr:
        return "input/output error";
    case wPrErr:
    case vLckdErr:
        return "read-only file system";
    case fLckdErr:
        return "the file is locked";
    case fBsyErr:
        return "the file is busy";
    case tmfoErr:
        return "too many open files";
    case memFullErr:
        return "out of memory";
    case bdNamErr:
        return "a name the file system refuses";
    case dupFNErr:
        return "a folder of that name is in the way";
    case kJAFileNotFlushedErr:
        return "saved, but its folder could not be flushed to disk; save again to make sure";
    case kJAUnsafeFolderErr:
        return "a folder on its path can be changed by others than root; nothing was written";
    case eofErr:
    case mapReadErr:
        return "damaged";
    default:
        static char text[16];
        std::snprintf(text, sizeof text, "error %d", err);
        return text;
    }
}
