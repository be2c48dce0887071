// What a display backend needs of the managers that own parts of the model, without depending
// on them: where a script's named targets lie, and how each part reads as text. The Dialog,
// List and Menu Managers fill these in when they start.
#pragma once

#include "Platform/MacWindows.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace platform::display {

struct ModelView {
    // The centre of a dialog item, global.
    std::function<std::optional<Point>(WindowRef window, SInt16 item)> itemCenter;
    // A cell of the window's list, global; row and column from 0.
    std::function<std::optional<Point>(WindowRef window, SInt32 row, SInt32 column)> listCell;
    // A menu's title and one of its items, global, as a pointer would travel to choose it.
    std::function<std::optional<std::pair<Point, Point>>(const std::string& menu,
                                                         const std::string& item)>
        menuItem;
    // The same for the menu item with a command ID.
    std::function<std::optional<std::pair<Point, Point>>(UInt32 command)> menuCommand;
    // The edit field before the window's current one, round to the last, global: where Shift-Tab
    // takes the keyboard.
    std::function<std::optional<Rect>(WindowRef window)> fieldBefore;
    // The contents of a window (items, lists, texts), each line indented by two spaces; in
    // detail, with where each item lies and which resource an alert comes from.
    std::function<void(std::ostream& out, WindowRef window, bool detail)> describeWindow;
    // The menu bar: titles and items with their state.
    std::function<void(std::ostream& out)> describeMenuBar;
};

ModelView& TheModelView();

} // namespace platform::display
