// Events in dialogs: clicks in items, keys in edit fields, drawing on update events.
#include "Dialogs/Dialog.h"
#include "Windows/Window.h"

using namespace platform;
using namespace platform::dialogs;

namespace {

// The dialog named by an update or activate event, or the front dialog for any other event.
DialogRef DialogOfEvent(const EventRecord& event) {
    if (event.what != updateEvt && event.what != activateEvt) return FrontDialog();
    auto window = reinterpret_cast<WindowRef>(event.message);
    return windows::IsWindow(window) ? window->dialog : nullptr;
}

// A control counts when the button comes up inside it; an edit field takes the focus.
bool Click(DialogRef dialog, Point global, DialogItemIndex* itemHit) {
    Point local = LocalPoint(dialog, global);
    DialogItemIndex hit = ItemAt(dialog, local);
    const DialogItem* item = ItemOf(dialog, hit);
    if (!item) return false;
    if (IsControlItem(*item) && TrackControl(ControlOf(*item), local, nullptr) == kControlNoPart)
        return false;
    if (KindOf(*item) == editText) ClickField(dialog, hit, local);
    if (!IsEnabled(*item)) return false;
    *itemHit = hit;
    return true;
}

// Keys with the Command key are menu keys, not text; but one that no menu took may select
// the field's whole text.
bool Key(DialogRef dialog, const EventRecord& event, DialogItemIndex* itemHit) {
    const auto charCode = UInt8(event.message & charCodeMask);
    DialogItemIndex field = dialog->editField;
    if (field == 0) return false;
    if (IsSelectAllKey(charCode, event.modifiers))
        Focus(dialog, field, 0, 32767);
    else if (event.modifiers & cmdKey)
        return false;
    else
        TypeKey(dialog, charCode, event.modifiers);
    if (!IsEnabled(*ItemOf(dialog, field))) return false;
    *itemHit = field;
    return true;
}

void Update(DialogRef dialog) {
    BeginUpdate(dialog->window);
    DrawDialog(dialog);
    EndUpdate(dialog->window);
}

} // namespace

Boolean IsDialogEvent(const EventRecord* theEvent) {
    DialogRef dialog = DialogOfEvent(*theEvent);
    if (!dialog) return false;
    if (theEvent->what != mouseDown) return true;
    WindowRef window = nullptr;
    return FindWindow(theEvent->where, &window) == inContent && window == dialog->window;
}

Boolean DialogSelect(const EventRecord* theEvent, DialogRef* theDialog, DialogItemIndex* itemHit) {
    DialogRef dialog = DialogOfEvent(*theEvent);
    if (!dialog) return false;
    *theDialog = dialog;
    switch (theEvent->what) {
    case mouseDown:
        return Click(dialog, theEvent->where, itemHit);
    case keyDown:
    case autoKey:
        return Key(dialog, *theEvent, itemHit);
    case updateEvt:
        Update(dialog);
        return false;
    default: // activate and null events: the display shows the focus from the model
        return false;
    }
}
