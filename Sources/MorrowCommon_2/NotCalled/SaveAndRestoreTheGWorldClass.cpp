#include "MorrowCommon_2/SaveAndRestoreTheGWorldClass.h"

SaveAndRestoreTheGWorldClass::SaveAndRestoreTheGWorldClass(CGrafPtr port)
    : savedPort(nullptr), savedDevice(nullptr) {
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(port, nullptr);
}

SaveAndRestoreTheGWorldClass::~SaveAndRestoreTheGWorldClass() {
    SetGWorld(savedPort, savedDevice);
}
