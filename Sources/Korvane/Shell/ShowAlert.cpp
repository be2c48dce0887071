#include "Korvane/Shell/ShowAlert.h"

#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/Shell/AlertParams.h"
#include "Korvane/Shell/ErrorText.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacErrors.h"
#include "Platform/Resources.h"

namespace {

constexpr SInt16 kErrorStringsID = 128;
constexpr SInt16 kErrorAlertID = 130;
constexpr SInt16 kJAFileNotReadAlertID = 1016;
constexpr SInt16 kGeneralMessage = 1;
constexpr unsigned char kEmpty[1] = {0};

// A positive code is a 32-bit status cut to 16 bits; it gets the general message too.
SInt16 MessageIndex(short code) {
    switch (code) {
    case fnfErr:
        return 5;
    case memFullErr:
        return 4;
    case dirNFErr:
        return 8;
    case resNotFound:
        return 3;
    case kJAFileNotFlushedErr:
        return 9;
    case kJAUnsafeFolderErr:
        return 10;
    default:
        return kGeneralMessage;
    }
}

void ClearAlertParameters() {
    ParamText(kEmpty, kEmpty, kEmpty, kEmpty);
}

void ShowErrorAlert(short code) {
    Str255 message = {0};
    GetIndString(message, kErrorStringsID, MessageIndex(code));
    ParamText(message, kEmpty, kEmpty, kEmpty);
    GrafPtr current;
    GetPort(&current);
    SaveAndRestoreTheGrafPortClass savePort(current);
    CautionAlert(kErrorAlertID, nullptr);
}

} // namespace

Boolean ShowAlert(GlueRec*, short code) {
    if (code != noErr) ShowErrorAlert(code);
    ClearAlertParameters();
    return true;
}

OSErr SetMainAlertInfo() {
    return noErr;
}

void ShowJAFileNotReadAlert(const GlueRec* context) {
    AlertParamsClass params({context->jaFilePath, ErrorText(context->jaCopyErr)});
    StopAlert(kJAFileNotReadAlertID, nullptr);
}
