// Turns a display's keys and mouse into the raw input a person at a desktop would give, so that
// everything goes through the program's own routing: Tab moves among edit fields and buttons,
// Space or Return presses the focused button (a click on it), arrows move a list's selection (a
// click on the row below or above), the wheel three rows a notch, F10 or a click on a menu title
// keeps the menu open to be chosen from with the arrows or another click. Only the mouse's own
// presses may make a double click. The terminal's and the window's displays share it.
#pragma once

#include "Display/Backend.h"
#include "Display/ModelSnapshot.h"

#include <deque>

namespace platform::display {

// A key or the mouse as a display reads it, the pointer in global pixels.
struct UserEvent {
    enum class Kind { Key, MouseDown, MouseUp, MouseMove, Wheel, MenuKey, BackTab };
    Kind kind = Kind::Key;
    UInt8 charCode = 0;   // Key: the character code the program sees
    UInt16 modifiers = 0; // shiftKey, cmdKey, controlKey
    Point where{};        // mouse
    int wheel = 0;        // Wheel: notches, negative up
};

// What the keyboard has in focus beyond the program's own state: an item of the front window
// (a button, check box or list) that Space or Return would press.
struct KeyboardFocus {
    WindowRef window = nullptr;
    DialogItemIndex item = 0;
    bool operator==(const KeyboardFocus&) const = default;
};

// The control of the focused item, when the keyboard is in this window.
ControlRef FocusedControl(const WindowSnapshot& window, const KeyboardFocus& focus);

// What Tab may visit: edit fields and the active buttons and boxes of a dialog.
bool IsFocusTarget(const WindowSnapshot& window, DialogItemIndex index);

// Rows a notch of the wheel scrolls, as desktops scroll.
constexpr int kWheelRows = 3;

// Each event is read against a snapshot of the model as it is then.
class KeyConveniences {
  public:
    // The raw input for one event, against the model as it is now.
    void Translate(const UserEvent& event, std::deque<RawInput>& out);
    // Lets go of the menu and of a button held down, so that no tracking loop waits on a
    // release that will not come.
    void ReleaseAll(std::deque<RawInput>& out);
    KeyboardFocus Focus() const { return KeyboardFocus{focusWindow_, focusItem_}; }
    Point Pointer() const { return pointer_; }

  private:
    // Lets go of a menu kept open without choosing from it.
    void ReleaseMenu(std::deque<RawInput>& out);
    void Mouse(const UserEvent& event, std::deque<RawInput>& out);
    void Key(const UserEvent& event, std::deque<RawInput>& out);
    bool MenuKey(UInt8 charCode, std::deque<RawInput>& out);
    bool MoveFocus(int direction, std::deque<RawInput>& out);
    bool MoveInList(int direction, std::deque<RawInput>& out);
    // Scrolls the front window's list by rows, negative up, a click on its arrow each.
    void ScrollList(int rows, std::deque<RawInput>& out);
    void Click(Point where, std::deque<RawInput>& out);
    void Push(RawInput::Kind kind, Point where, std::deque<RawInput>& out, UInt16 modifiers = 0,
              UInt8 charCode = 0);
    void FollowFrontWindow();
    void DropLostFocus();
    const MenuSnapshot* KeptMenu() const;

    ModelSnapshot model_;
    Point pointer_{};
    bool held_ = false;
    bool pressOnTitle_ = false;
    bool menuKept_ = false; // the button counts as down until the menu is chosen from
    MenuID keptMenu_ = 0;
    bool swallowRelease_ = false; // the release of the click that chose from a kept menu
    WindowRef focusWindow_ = nullptr;
    UInt64 focusSerial_ = 0;
    DialogItemIndex focusItem_ = 0;
};

} // namespace platform::display
