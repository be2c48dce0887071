// The running sheets. The event retrieval offers each of them its events first; a sheet that
// the user answers ends there, inside the application's own event loop.
#include "Events/EventSource.h"
#include "Navigation/NavDialog.h"

#include <algorithm>
#include <vector>

namespace platform::navigation {

namespace {

std::vector<NavDialogRef>& Sheets() {
    static std::vector<NavDialogRef> sheets;
    return sheets;
}

bool TakeSheetEvent(const EventRecord& event) {
    for (NavDialogRef sheet : std::vector<NavDialogRef>(Sheets())) {
        if (!IsRunningSheet(sheet) || !sheet->chooser->TakeSheetEvent(event)) continue;
        if (sheet->chooser->Finished()) Conclude(sheet);
        return true;
    }
    return false;
}

} // namespace

// The filter stays once installed: it may be running when the last sheet goes.
void AddSheet(NavDialogRef dialog) {
    static bool installed = false;
    if (!installed) events::SetSheetEventFilter(TakeSheetEvent);
    installed = true;
    Sheets().push_back(dialog);
}

void RemoveSheet(NavDialogRef dialog) {
    std::erase(Sheets(), dialog);
}

bool IsRunningSheet(NavDialogRef dialog) {
    return std::find(Sheets().begin(), Sheets().end(), dialog) != Sheets().end();
}

} // namespace platform::navigation
