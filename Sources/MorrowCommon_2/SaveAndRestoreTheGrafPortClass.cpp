#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"

SaveAndRestoreTheGrafPortClass::SaveAndRestoreTheGrafPortClass(GrafPtr port) : savedPort(nullptr) {
    GetPort(&savedPort);
    SetPort(port);
}

SaveAndRestoreTheGrafPortClass::~SaveAndRestoreTheGrafPortClass() {
    SetPort(savedPort);
}
