// The live dialogs, their callbacks and the end of their runs.
#include "Navigation/NavDialog.h"

#include <set>

namespace platform::navigation {

namespace {

std::set<NavDialogRef>& LiveDialogs() {
    static std::set<NavDialogRef> live;
    return live;
}

NavUserAction ActionOf(const __NavDialog& dialog) {
    if (dialog.terminated) return kNavUserActionNone;
    if (!dialog.result.confirmed) return kNavUserActionCancel;
    return dialog.setup.kind == ChooserKind::Save ? kNavUserActionSaveAs : kNavUserActionOpen;
}

} // namespace

NavDialogRef Register(std::unique_ptr<__NavDialog> dialog) {
    NavDialogRef ref = dialog.release();
    LiveDialogs().insert(ref);
    return ref;
}

bool IsLive(NavDialogRef dialog) {
    return dialog && LiveDialogs().count(dialog) != 0;
}

void Unregister(NavDialogRef dialog) {
    LiveDialogs().erase(dialog);
}

void CallBack(NavEventUPP proc, void* clientData, NavEventCallbackMessage selector,
              NavDialogRef context, WindowRef window, EventRecord* event, NavUserAction action) {
    if (!proc) return;
    NavCBRec record{};
    record.context = context;
    record.window = window;
    record.eventData.eventDataParms.event = event;
    record.userAction = action;
    proc(selector, &record, clientData);
}

void Deliver(NavDialogRef dialog, NavEventCallbackMessage selector, EventRecord* event) {
    WindowRef window = dialog->chooser ? dialog->chooser->Window() : nullptr;
    CallBack(dialog->eventProc, dialog->clientData, selector, dialog, window, event,
             dialog->action);
}

void Conclude(NavDialogRef dialog) {
    dialog->result = dialog->chooser->Result();
    dialog->chooser.reset();
    RemoveSheet(dialog);
    dialog->action = ActionOf(*dialog);
    if (dialog->action != kNavUserActionNone) Deliver(dialog, kNavCBUserAction, nullptr);
    if (IsLive(dialog)) Deliver(dialog, kNavCBTerminate, nullptr);
}

} // namespace platform::navigation
