#include "Korvane/CommandLine/AlertText.h"

#include "Platform/Dialogs.h"

#include <map>

namespace {

constexpr DialogItemIndex kMostItems = 16;

std::string& Captured() {
    static std::string text;
    return text;
}

// Takes the alert's text on the first event it sees and answers with its first item at once.
Boolean CaptureText(DialogRef dialog, EventRecord*, DialogItemIndex* itemHit) {
    for (DialogItemIndex item = 1; item <= kMostItems; ++item) {
        DialogItemType type = 0;
        Handle handle = nullptr;
        Rect box;
        GetDialogItem(dialog, item, &type, &handle, &box);
        if ((type & ~itemDisable) != statText || !handle) continue;
        Str255 text;
        GetDialogItemText(handle, text);
        Captured().assign(reinterpret_cast<const char*>(text + 1), text[0]);
        break;
    }
    *itemHit = 1;
    return true;
}

} // namespace

const std::string& AlertText(short alertID) {
    static std::map<short, std::string> texts;
    auto found = texts.find(alertID);
    if (found != texts.end()) return found->second;
    Captured().clear();
    ModalFilterUPP filter = NewModalFilterUPP(CaptureText);
    StopAlert(alertID, filter);
    DisposeModalFilterUPP(filter);
    return texts[alertID] = Captured();
}
