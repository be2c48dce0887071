// The item calls: an item's kind, handle and box; texts; the current edit field; the default
// and cancel items.
#include "Controls/Control.h"
#include "Dialogs/Dialog.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Windows/Window.h"

using namespace platform;
using namespace platform::dialogs;

namespace {

// The dialog item whose handle this is, in any dialog.
std::pair<DialogRef, DialogItemIndex> OwnerOf(Handle handle) {
    for (WindowRef window : windows::WindowList()) {
        DialogRef dialog = window->dialog;
        for (size_t i = 0; dialog && i < dialog->items.size(); ++i)
            if (dialog->items[i].handle == handle) return {dialog, DialogItemIndex(i + 1)};
    }
    return {nullptr, 0};
}

} // namespace

namespace platform::dialogs {

std::string HandleText(Handle text) {
    return text ? std::string(*text, size_t(GetHandleSize(text))) : std::string();
}

void SetHandleText(Handle text, std::string_view bytes) {
    SetHandleSize(text, Size(bytes.size()));
    if (GetHandleSize(text) == Size(bytes.size())) bytes.copy(*text, bytes.size());
}

} // namespace platform::dialogs

void GetDialogItem(DialogRef theDialog, DialogItemIndex itemNo, DialogItemType* itemType,
                   Handle* item, Rect* box) {
    const DialogItem* found = ItemOf(theDialog, itemNo);
    DialogItem none;
    if (!found) found = &none;
    *itemType = found->type;
    *item = found->handle;
    *box = found->box;
}

void SetDialogItem(DialogRef theDialog, DialogItemIndex itemNo, DialogItemType itemType,
                   Handle item, const Rect* box) {
    DialogItem* found = ItemOf(theDialog, itemNo);
    if (!found) return;
    *found = DialogItem{itemType, item, *box};
    windows::ModelChanged();
}

void GetDialogItemText(Handle item, Str255 text) {
    ToPascal(HandleText(item), text);
}

// New text in the current edit field leaves the insertion point at its end.
void SetDialogItemText(Handle item, ConstStr255Param text) {
    if (!item) return;
    SetHandleText(item, FromPascal(text));
    auto [dialog, itemNo] = OwnerOf(item);
    if (dialog && dialog->editField == itemNo) Focus(dialog, itemNo, 32767, 32767);
    windows::ModelChanged();
}

void SelectDialogItemText(DialogRef theDialog, DialogItemIndex itemNo, SInt16 strtSel,
                          SInt16 endSel) {
    const DialogItem* found = ItemOf(theDialog, itemNo);
    if (found && KindOf(*found) == editText) Focus(theDialog, itemNo, strtSel, endSel);
}

OSErr SetDialogDefaultItem(DialogRef theDialog, DialogItemIndex newItem) {
    if (!theDialog) return paramErr;
    theDialog->defaultItem = newItem;
    windows::ModelChanged();
    return noErr;
}

OSErr SetDialogCancelItem(DialogRef theDialog, DialogItemIndex newItem) {
    if (!theDialog) return paramErr;
    theDialog->cancelItem = newItem;
    windows::ModelChanged();
    return noErr;
}

DialogItemIndex GetDialogKeyboardFocusItem(DialogRef dialog) {
    return dialog ? dialog->editField : 0;
}
