// The one way a display backend reaches the window model, without depending on the managers
// that own it: a snapshot of the whole model, the rows of a list beyond those in view, and where
// a script's named targets lie. Each manager fills in its part here when it starts; a backend
// only calls TakeSnapshot and the lookups.
#pragma once

#include "Display/ModelSnapshot.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace platform::display {

struct ModelView {
    // The parts of a snapshot. Window Manager: every window with its frame and drawing, and
    // whether a modal loop runs. The others add their records to a window's snapshot.
    std::function<void(ModelSnapshot& snapshot)> windows;
    std::function<void(WindowSnapshot& window)> controls;
    std::function<void(WindowSnapshot& window)> dialog;
    std::function<void(WindowSnapshot& window)> lists;
    std::function<void(WindowSnapshot& window)> textEdits;
    std::function<MenuBarSnapshot()> menuBar;
    // Rows first to end (clamped) of a list, as ListSnapshot::shown has them.
    std::function<std::vector<ListRowSnapshot>(ListHandle list, SInt16 first, SInt16 end)> listRows;

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
};

ModelView& TheModelView();

// The model as it is now, from the parts installed so far.
ModelSnapshot TakeSnapshot();
// Every row of a list.
std::vector<ListRowSnapshot> AllRows(const ListSnapshot& list);

} // namespace platform::display
