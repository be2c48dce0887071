// How a control reads in the printed screen model.
#include "Controls/Control.h"

#include <sstream>

namespace platform::controls {

namespace {

const char* State(ControlRef control) {
    if (!IsActive(control)) return "inactive";
    return control->hilite == kControlNoPart ? "active" : "pressed";
}

void DescribeKind(std::ostream& out, ControlRef control) {
    switch (KindOf(control)) {
    case Kind::Button:
        out << "button " << Quoted(control->title);
        break;
    case Kind::CheckBox:
    case Kind::RadioButton:
        out << (KindOf(control) == Kind::CheckBox ? "checkbox " : "radio ")
            << Quoted(control->title) << (control->value ? " on" : " off");
        break;
    case Kind::ScrollBar:
        out << "scroll bar value " << control->value << " of " << control->minimum << ".."
            << control->maximum;
        break;
    case Kind::Popup:
        out << "popup " << Quoted(control->title) << " value " << control->value;
        break;
    }
}

} // namespace

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c == '\r' ? ' ' : c;
    }
    return quoted + "\"";
}

std::string Describe(ControlRef control) {
    std::ostringstream out;
    DescribeKind(out, control);
    out << " " << State(control) << (control->visible ? "" : " hidden");
    return out.str();
}

} // namespace platform::controls
