#include "Korvane/DataStore/UntakenLinesAlert.h"

#include "Platform/Dialogs.h"
#include "Platform/TextUtils.h"

#include <string>

short UntakenLinesAlert(const JAUntakenLines& untaken, short alertID) {
    Str255 count, first;
    CopyCStringToPascal(std::to_string(untaken.count).c_str(), count);
    CopyCStringToPascal(std::to_string(untaken.firstLine).c_str(), first);
    ParamText(count, first, nullptr, nullptr);
    const short item = CautionAlert(alertID, nullptr);
    const unsigned char empty[1] = {0};
    ParamText(empty, empty, empty, empty);
    return item;
}
