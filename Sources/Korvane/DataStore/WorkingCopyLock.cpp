#include "Korvane/DataStore/WorkingCopyLock.h"

#include "Korvane/DataStore/JALocations.h"
#include "Platform/HostLock.h"
#include "Platform/MacErrors.h"

#include <string>

namespace {

constexpr const char* kLockFileName = "QZJA.lock";

PlatformFileLockRef heldLock = nullptr;

} // namespace

OSErr LockWorkingCopy(const GlueRec* context) {
    char folder[1024];
    OSErr err = FolderPath(context->prefsFileSpec.vRefNum, context->prefsFileSpec.parID, folder,
                           sizeof folder);
    if (err != noErr) return err;
    const std::string path = std::string(folder) + "/" + kLockFileName;
    PlatformFileLockRef lock = nullptr;
    err = PlatformLockFile(path.c_str(), &lock);
    if (err == noErr) heldLock = lock;
    return err;
}

Boolean WorkingCopyLocked() {
    return heldLock != nullptr;
}

void UnlockWorkingCopy() {
    PlatformUnlockFile(heldLock);
    heldLock = nullptr;
}
