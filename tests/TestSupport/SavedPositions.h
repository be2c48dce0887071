// Test support: the 'WPOS' record of a dialog as the application preferences file holds it.
#pragma once

#include "Korvane/Shell/SavedDialogPosition.h"
#include "MorrowCommon_2/MyResFile.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

#include <optional>

namespace testsupport {

inline std::optional<DialogPositionRec> ReadSavedPosition(const FSSpec* prefsFile,
                                                          SInt16 dialogID) {
    SInt16 refNum = 0;
    if (MyOpenResFile(prefsFile, &refNum) != noErr) return std::nullopt;
    std::optional<DialogPositionRec> position;
    Handle record = Get1Resource(kDialogPositionType, dialogID);
    if (record && GetHandleSize(record) == sizeof(DialogPositionRec))
        position = *reinterpret_cast<DialogPositionRec*>(*record);
    CloseResFile(refNum);
    return position;
}

} // namespace testsupport
