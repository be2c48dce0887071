#include "MorrowCommon_2/SaveAndRestoreThePixMapLockStateClass.h"

SaveAndRestoreThePixMapLockStateClass::SaveAndRestoreThePixMapLockStateClass(GWorldPtr port,
                                                                             Boolean lock)
    : pixMap(GetGWorldPixMap(port)), savedState(GetPixelsState(pixMap)) {
    if (lock)
        LockPixels(pixMap);
    else
        UnlockPixels(pixMap);
}

SaveAndRestoreThePixMapLockStateClass::~SaveAndRestoreThePixMapLockStateClass() {
    SetPixelsState(pixMap, savedState);
}
