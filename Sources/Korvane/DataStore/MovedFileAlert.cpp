#include "Korvane/DataStore/MovedFileAlert.h"

#include "Korvane/Shell/AlertParams.h"
#include "Platform/Dialogs.h"

#include <string>

void MovedFileAlert(GlueRec* context) {
    if (!context->jaMovedFromPath[0]) return;
    const std::string former = context->jaMovedFromPath;
    context->jaMovedFromPath[0] = 0;
    AlertParamsClass params({former, context->jaFilePath});
    Alert(kMovedFileAlert, nullptr);
}
