#include "Korvane/ListDialog/ListKeys.h"

#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ListDialog/JASelectRecord.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialogActions.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/MyControlHilite.h"

namespace {

short ButtonOfKey(UInt8 key) {
    switch (key) {
    case kReturnCharCode:
    case kEnterCharCode:
        return kJAItemEdit;
    case kDeleteCharCode:
    case kBackspaceCharCode:
        return kJAItemDelete;
    case kHelpCharCode:
        return kJAItemNew;
    case kPageUpCharCode:
        return kJAItemPreviousPage;
    case kPageDownCharCode:
        return kJAItemNextPage;
    default:
        return 0;
    }
}

// The button flashes as if clicked, and only an active one acts.
void PressButton(GlueRec* context, DialogRef list, short button) {
    if (MyGetControlHilite(list, button) != kControlNoPart) return;
    MyHiliteControl10Ticks(list, button);
    JobAccountDialogItemProc(context, list, button);
}

void SelectEnd(GlueRec* context, Boolean last) {
    const SInt16 count = context->settingPrivate->entries->entryCount;
    if (count == 0) return;
    OSErr err = JASelectRecord(context, last ? SInt16(count - 1) : SInt16(0));
    if (err != noErr) ShowAlert(context, err);
}

} // namespace

Boolean HandleListKey(GlueRec* context, DialogRef list, const EventRecord* event) {
    if ((event->what != keyDown && event->what != autoKey) || (event->modifiers & cmdKey) != 0)
        return false;
    const UInt8 key = UInt8(event->message & charCodeMask);
    if (key == kHomeCharCode || key == kEndCharCode) {
        SelectEnd(context, key == kEndCharCode);
        return true;
    }
    const short button = ButtonOfKey(key);
    if (button == 0) return false;
    PressButton(context, list, button);
    return true;
}
