// What the window's widgets hand the program, as a person's mouse and keys would give it: clicks
// on the model's points, keys through the keyboard conveniences, a menu item chosen by its title
// and item, and an edit field's new text typed over its old one. The program takes the input in
// turn from the backend; the widgets show what it made of it at the next repaint.
#pragma once

#include "Display/KeyConveniences.h"

#include <deque>
#include <optional>
#include <string_view>

namespace platform::display::gtk {

class ModelInput {
  public:
    // A click made up by the display, never one half of a double click.
    void Click(Point where, UInt16 modifiers = 0);
    // The person's own click, which makes a double click with the one before it when quick.
    void PersonsClick(Point where, UInt16 modifiers);
    void Key(UInt8 charCode, UInt16 modifiers = 0);
    // Clicks on the scroll bar's arrows, one a step, negative up or left.
    void Scroll(const ControlSnapshot& bar, int steps);
    void ChooseMenuItem(Point title, Point item);
    // The field made current, its text selected and the new text typed over it.
    void TypeIntoField(const WindowSnapshot& window, const ItemSnapshot& field,
                       std::string_view text);
    void Quit();

    bool Empty() const { return pending_.empty(); }
    std::optional<RawInput> Take();

  private:
    void Push(RawInput::Kind kind, Point where, UInt16 modifiers = 0, UInt8 charCode = 0);

    std::deque<RawInput> pending_;
    KeyConveniences conveniences_;
    Point pointer_{};
};

} // namespace platform::display::gtk
