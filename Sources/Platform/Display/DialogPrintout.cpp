// How a dialog's items read in the printout, e.g. `item 1 button "OK" active default`.
#include "Display/ModelPrinter.h"

namespace platform::display {

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

const char* State(const ControlSnapshot& control) {
    if (!control.active) return "inactive";
    return control.hilite == kControlNoPart ? "active" : "pressed";
}

void PrintControl(std::ostream& out, const ControlSnapshot& control) {
    switch (control.kind) {
    case ControlSnapshot::Kind::Button:
        out << "button " << Quoted(control.title);
        break;
    case ControlSnapshot::Kind::CheckBox:
    case ControlSnapshot::Kind::RadioButton:
        out << (control.kind == ControlSnapshot::Kind::CheckBox ? "checkbox " : "radio ")
            << Quoted(control.title) << (control.value ? " on" : " off");
        break;
    case ControlSnapshot::Kind::ScrollBar:
        out << "scroll bar value " << control.value << " of " << control.minimum << ".."
            << control.maximum;
        break;
    case ControlSnapshot::Kind::Popup:
        out << "popup " << Quoted(control.title) << " value " << control.value;
        break;
    }
    out << " " << State(control) << (control.visible ? "" : " hidden");
}

void PrintEditField(std::ostream& out, const DialogSnapshot& dialog, const ItemSnapshot& item) {
    out << "edit " << Quoted(item.text);
    if (dialog.editField != item.number) return;
    out << " focus";
    if (dialog.selStart == dialog.selEnd)
        out << " caret " << dialog.selStart;
    else
        out << " selection " << dialog.selStart << "-" << dialog.selEnd;
}

void PrintKind(std::ostream& out, const WindowSnapshot& window, const ItemSnapshot& item) {
    switch (item.kind) {
    case ItemSnapshot::Kind::Control:
        if (const ControlSnapshot* control = window.Control(item.control))
            PrintControl(out, *control);
        break;
    case ItemSnapshot::Kind::StaticText:
        out << "static " << Quoted(item.text);
        break;
    case ItemSnapshot::Kind::EditText:
        PrintEditField(out, window.dialog, item);
        break;
    case ItemSnapshot::Kind::Icon:
        out << "icon";
        break;
    case ItemSnapshot::Kind::Picture:
        out << "picture";
        break;
    case ItemSnapshot::Kind::User:
        out << "user";
    }
}

// Placeholders (disabled user items without a box) keep the numbering and show nothing.
bool IsPlaceholder(const ItemSnapshot& item) {
    return item.kind == ItemSnapshot::Kind::User && !item.enabled && EmptyRect(&item.box);
}

} // namespace

void PrintDialog(std::ostream& out, const WindowSnapshot& window, bool detail) {
    if (!window.isDialog) return;
    const DialogSnapshot& dialog = window.dialog;
    if (dialog.alert != AlertKind::None) {
        out << "  " << AlertName(dialog.alert) << "\n";
        if (detail) out << "  resource 'ALRT' " << dialog.alertID << "\n";
    }
    for (const ItemSnapshot& item : dialog.items) {
        if (IsPlaceholder(item)) continue;
        out << "  item " << item.number << " ";
        PrintKind(out, window, item);
        out << (dialog.defaultItem == item.number ? " default" : "")
            << (dialog.cancelItem == item.number ? " cancel" : "")
            << (item.enabled ? "" : " disabled");
        if (detail)
            out << " at " << item.box.left << "," << item.box.top << "," << item.box.right << ","
                << item.box.bottom;
        out << "\n";
    }
}

} // namespace platform::display
