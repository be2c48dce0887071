#include "Display/Desktop/ModelInput.h"

#include <cstdlib>

namespace platform::display::gtk {

void ModelInput::Push(RawInput::Kind kind, Point where, UInt16 modifiers, UInt8 charCode) {
    pointer_ = where;
    pending_.push_back(RawInput{kind, where, modifiers, charCode, true});
}

void ModelInput::Click(Point where, UInt16 modifiers) {
    Push(RawInput::Kind::MouseDown, where, modifiers);
    Push(RawInput::Kind::MouseUp, where, modifiers);
}

void ModelInput::PersonsClick(Point where, UInt16 modifiers) {
    Push(RawInput::Kind::MouseDown, where, modifiers);
    pending_.back().single = false;
    Push(RawInput::Kind::MouseUp, where, modifiers);
}

// Through the conveniences, so that the arrows move a list's selection as its clicks would.
void ModelInput::Key(UInt8 charCode, UInt16 modifiers) {
    conveniences_.Translate(UserEvent{UserEvent::Kind::Key, charCode, modifiers}, pending_);
}

void ModelInput::Scroll(const ControlSnapshot& bar, int steps) {
    const Point arrow = CentreOf(steps < 0 ? bar.upArrow : bar.downArrow);
    for (int i = 0; i < std::abs(steps); ++i)
        Click(arrow);
}

void ModelInput::ChooseMenuItem(Point title, Point item) {
    Push(RawInput::Kind::MouseDown, title);
    Push(RawInput::Kind::MouseMove, item);
    Push(RawInput::Kind::MouseUp, item);
}

void ModelInput::TypeIntoField(const WindowSnapshot& window, const ItemSnapshot& field,
                               std::string_view text) {
    if (window.dialog.editField != field.number)
        Click(Point{CentreOf(field.box).v, SInt16(field.box.left + 1)});
    Push(RawInput::Kind::Key, pointer_, controlKey, 'a');
    if (text.empty()) Push(RawInput::Kind::Key, pointer_, 0, kBackspaceCharCode);
    for (char byte : text)
        Push(RawInput::Kind::Key, pointer_, 0, UInt8(byte));
}

void ModelInput::Quit() {
    Push(RawInput::Kind::Quit, pointer_);
}

std::optional<RawInput> ModelInput::Take() {
    if (pending_.empty()) return std::nullopt;
    RawInput input = pending_.front();
    pending_.pop_front();
    return input;
}

} // namespace platform::display::gtk
