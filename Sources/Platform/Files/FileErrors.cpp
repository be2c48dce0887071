#include "FileErrors.h"

#include "Platform/MacErrors.h"

#include <cerrno>

namespace platform::files {

OSErr ErrnoToOSErr(int error, Operation operation) {
    switch (error) {
    case 0:
        return noErr;
    case ENOENT:
        return fnfErr;
    case ENOTDIR:
        return dirNFErr;
    case EEXIST:
        return dupFNErr;
    case EACCES:
    case EPERM:
        return operation == Operation::Open ? permErr : afpAccessDenied;
    case EROFS:
        return wPrErr;
    case ENOSPC:
    case EDQUOT:
        return dskFulErr;
    case ENAMETOOLONG:
        return bdNamErr;
    case EISDIR:
        return notAFileErr;
    case ENOTEMPTY:
    case EBUSY:
        return fBsyErr;
    case EMFILE:
    case ENFILE:
        return tmfoErr;
    case ENOMEM:
        return memFullErr;
    default:
        return ioErr;
    }
}

} // namespace platform::files
