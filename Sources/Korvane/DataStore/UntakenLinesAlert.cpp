#include "Korvane/DataStore/UntakenLinesAlert.h"

#include "Korvane/Shell/AlertParams.h"
#include "Platform/Dialogs.h"

#include <string>

short UntakenLinesAlert(const JAUntakenLines& untaken, short alertID) {
    AlertParamsClass params({std::to_string(untaken.count), std::to_string(untaken.firstLine)});
    return CautionAlert(alertID, nullptr);
}
