#include "Korvane/DataStore/MovedFileAlert.h"

#include "Platform/Dialogs.h"
#include "Platform/TextUtils.h"

void MovedFileAlert(GlueRec* context) {
    if (!context->jaMovedFromPath[0]) return;
    Str255 former, now;
    CopyCStringToPascal(context->jaMovedFromPath, former);
    CopyCStringToPascal(context->jaFilePath, now);
    context->jaMovedFromPath[0] = 0;
    ParamText(former, now, nullptr, nullptr);
    Alert(kMovedFileAlert, nullptr);
    const unsigned char empty[1] = {0};
    ParamText(empty, empty, empty, empty);
}
