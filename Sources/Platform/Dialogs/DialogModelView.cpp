// Dialogs in the screen model: their items and edit fields in the display's snapshot, and where
// a script's items lie.
#include "Dialogs/Dialog.h"
#include "Display/Backend.h"
#include "Display/ModelView.h"
#include "Windows/Window.h"

using namespace platform;

namespace platform::dialogs {

namespace {

using display::ItemSnapshot;

ItemSnapshot::Kind KindOfItem(const DialogItem& item) {
    if (IsControlItem(item)) return ItemSnapshot::Kind::Control;
    switch (KindOf(item)) {
    case statText:
        return ItemSnapshot::Kind::StaticText;
    case editText:
        return ItemSnapshot::Kind::EditText;
    case iconItem:
        return ItemSnapshot::Kind::Icon;
    case picItem:
        return ItemSnapshot::Kind::Picture;
    default:
        return ItemSnapshot::Kind::User;
    }
}

ItemSnapshot SnapshotOf(DialogRef dialog, DialogItemIndex number) {
    const DialogItem& item = *ItemOf(dialog, number);
    ItemSnapshot shot;
    shot.number = number;
    shot.kind = KindOfItem(item);
    shot.box = quickdraw::GlobalOf(dialog->window->port, item.box);
    shot.enabled = IsEnabled(item);
    if (shot.kind == ItemSnapshot::Kind::StaticText) shot.text = ShownText(HandleText(item.handle));
    if (shot.kind == ItemSnapshot::Kind::EditText) shot.text = HandleText(item.handle);
    if (shot.kind == ItemSnapshot::Kind::Control) shot.control = ControlOf(item);
    return shot;
}

void AddDialog(display::WindowSnapshot& window) {
    DialogRef dialog = window.id->dialog;
    if (!dialog) return;
    window.isDialog = true;
    display::DialogSnapshot& shot = window.dialog;
    for (DialogItemIndex i = 1; i <= DialogItemIndex(dialog->items.size()); ++i)
        shot.items.push_back(SnapshotOf(dialog, i));
    shot.defaultItem = dialog->defaultItem;
    shot.cancelItem = dialog->cancelItem;
    shot.editField = dialog->editField;
    shot.selStart = dialog->selStart;
    shot.selEnd = dialog->selEnd;
    shot.editScroll = dialog->editScroll;
    shot.alert = dialog->alert;
    shot.alertID = dialog->alertID;
    shot.dialogID = dialog->dialogID;
    shot.concealedField = dialog->concealedField;
}

std::optional<Point> ItemCenter(WindowRef window, SInt16 itemNo) {
    DialogRef dialog = windows::IsWindow(window) ? window->dialog : nullptr;
    const DialogItem* item = ItemOf(dialog, itemNo);
    if (!item) return std::nullopt;
    return quickdraw::GlobalOf(window->port, display::CentreOf(item->box));
}

std::optional<Rect> FieldBefore(WindowRef window) {
    DialogRef dialog = windows::IsWindow(window) ? window->dialog : nullptr;
    if (!dialog) return std::nullopt;
    const auto count = SInt32(dialog->items.size());
    // With no current field, the last one comes first.
    const SInt32 from = dialog->editField == 0 ? count + 1 : dialog->editField;
    for (SInt32 step = 1; step <= count; ++step) {
        const auto item = DialogItemIndex(((from - 1 - step) % count + count) % count + 1);
        if (KindOf(*ItemOf(dialog, item)) == editText)
            return quickdraw::GlobalOf(window->port, ItemOf(dialog, item)->box);
    }
    return std::nullopt;
}

} // namespace

void InstallModelView() {
    display::ModelView& view = display::TheModelView();
    view.dialog = AddDialog;
    view.itemCenter = ItemCenter;
    view.fieldBefore = FieldBefore;
}

} // namespace platform::dialogs
