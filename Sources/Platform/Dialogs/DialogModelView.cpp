// Dialogs in the screen model: where a script's items lie, and how each item reads.
#include "Controls/Control.h"
#include "Dialogs/Dialog.h"
#include "Display/Backend.h"
#include "Display/ModelView.h"
#include "Windows/Window.h"

using namespace platform;

namespace platform::dialogs {

namespace {

const char* AlertName(AlertKind kind) {
    switch (kind) {
    case AlertKind::Stop:
        return "alert stop";
    case AlertKind::Caution:
        return "alert caution";
    default:
        return "alert";
    }
}

void DescribeEditField(std::ostream& out, DialogRef dialog, DialogItemIndex itemNo) {
    out << "edit " << controls::Quoted(HandleText(ItemOf(dialog, itemNo)->handle));
    if (dialog->editField != itemNo) return;
    out << " focus";
    if (dialog->selStart == dialog->selEnd)
        out << " caret " << dialog->selStart;
    else
        out << " selection " << dialog->selStart << "-" << dialog->selEnd;
}

void DescribeKind(std::ostream& out, DialogRef dialog, DialogItemIndex itemNo) {
    const DialogItem& item = *ItemOf(dialog, itemNo);
    if (IsControlItem(item)) {
        out << controls::Describe(ControlOf(item));
        return;
    }
    switch (KindOf(item)) {
    case statText:
        out << "static " << controls::Quoted(ShownText(HandleText(item.handle)));
        break;
    case editText:
        DescribeEditField(out, dialog, itemNo);
        break;
    case iconItem:
        out << "icon";
        break;
    case picItem:
        out << "picture";
        break;
    default:
        out << "user";
    }
}

// Placeholders (disabled user items without a box) keep the numbering and show nothing.
bool IsPlaceholder(const DialogItem& item) {
    return KindOf(item) == userItem && !IsEnabled(item) && EmptyRect(&item.box);
}

// Global pixels, as a script's points are.
void DescribeBox(std::ostream& out, DialogRef dialog, const DialogItem& item) {
    const Rect box = quickdraw::GlobalOf(dialog->window->port, item.box);
    out << " at " << box.left << "," << box.top << "," << box.right << "," << box.bottom;
}

void DescribeDialog(std::ostream& out, DialogRef dialog, bool detail) {
    if (dialog->alert != AlertKind::None) {
        out << "  " << AlertName(dialog->alert) << "\n";
        if (detail) out << "  resource 'ALRT' " << dialog->alertID << "\n";
    }
    for (DialogItemIndex i = 1; i <= DialogItemIndex(dialog->items.size()); ++i) {
        const DialogItem& item = *ItemOf(dialog, i);
        if (IsPlaceholder(item)) continue;
        out << "  item " << i << " ";
        DescribeKind(out, dialog, i);
        out << (dialog->defaultItem == i ? " default" : "")
            << (dialog->cancelItem == i ? " cancel" : "") << (IsEnabled(item) ? "" : " disabled");
        if (detail) DescribeBox(out, dialog, item);
        out << "\n";
    }
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
    view.itemCenter = ItemCenter;
    view.fieldBefore = FieldBefore;
    view.describeWindow = [](std::ostream& out, WindowRef window, bool detail) {
        if (window->dialog) DescribeDialog(out, window->dialog, detail);
    };
}

} // namespace platform::dialogs
