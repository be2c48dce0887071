// Modal loops: every event goes to the filter first, then the standard keys choose the default
// or cancel item, then the dialog takes clicks and keys until an item is hit.
#include "Dialogs/Dialog.h"
#include "Events/EventSource.h"
#include "Windows/Window.h"

using namespace platform;
using namespace platform::dialogs;

namespace {

constexpr UInt32 kFlashTicks = 8;

// A button chosen from the keyboard shows itself pressed for a moment.
void Flash(DialogRef dialog, DialogItemIndex item) {
    const DialogItem* found = ItemOf(dialog, item);
    if (!IsControlItem(*found)) return;
    HiliteControl(ControlOf(*found), kControlButtonPart);
    Delay(kFlashTicks, nullptr);
    HiliteControl(ControlOf(*found), kControlNoPart);
}

Boolean StandardFilter(DialogRef dialog, EventRecord* event, DialogItemIndex* itemHit) {
    return StandardKeys(dialog, *event, itemHit);
}

// Outside the dialog a click only beeps; its title bar moves it.
bool ClickOutside(DialogRef dialog, const EventRecord& event) {
    if (event.what != mouseDown) return false;
    WindowRef window = nullptr;
    WindowPartCode part = FindWindow(event.where, &window);
    if (window != dialog->window) {
        SysBeep(1);
        return true;
    }
    if (part != inDrag) return part != inContent;
    BitMap screen;
    DragWindow(window, event.where, &GetQDGlobalsScreenBits(&screen)->bounds);
    return true;
}

} // namespace

namespace platform::dialogs {

bool StandardKeys(DialogRef dialog, const EventRecord& event, DialogItemIndex* itemHit) {
    if (event.what != keyDown && event.what != autoKey) return false;
    auto charCode = UInt8(event.message & charCodeMask);
    bool commandPeriod = charCode == '.' && (event.modifiers & cmdKey);
    DialogItemIndex target = 0;
    if (charCode == kReturnCharCode || charCode == kEnterCharCode) target = dialog->defaultItem;
    if (charCode == kEscapeCharCode || commandPeriod) target = dialog->cancelItem;
    if ((charCode == 'd' || charCode == 'D') && (event.modifiers & cmdKey))
        target = ButtonTitled(dialog, "Don't Save");
    if (!ItemOf(dialog, target)) return false;
    *itemHit = IsActiveItem(dialog, target) ? target : 0;
    if (*itemHit) Flash(dialog, target);
    return true;
}

DialogItemIndex RunModal(DialogRef dialog, ModalFilterUPP filter) {
    events::ModalScope modal;
    for (;;) {
        EventRecord event;
        WaitNextEvent(everyEvent, &event, GetCaretTime(), nullptr);
        DialogItemIndex item = 0;
        if ((filter && InvokeModalFilterUPP(dialog, &event, &item, filter)) ||
            StandardKeys(dialog, event, &item)) {
            if (item) return item;
            continue;
        }
        if (ClickOutside(dialog, event)) continue;
        DialogRef hit = nullptr;
        if (IsDialogEvent(&event) && DialogSelect(&event, &hit, &item) && hit == dialog)
            return item;
    }
}

} // namespace platform::dialogs

void ModalDialog(ModalFilterUPP modalFilter, DialogItemIndex* itemHit) {
    DialogRef dialog = FrontDialog();
    *itemHit = dialog ? RunModal(dialog, modalFilter) : 0;
}

OSErr GetStdFilterProc(ModalFilterUPP* theProc) {
    *theProc = StandardFilter;
    return noErr;
}
