// The window model as a display sees it: a plain copy, taken once per repaint, that a backend
// reads without knowing any manager's records. Rectangles and points are global pixels. The
// references (WindowRef, ControlRef, ListHandle) only tell parts apart and find them again in
// the next snapshot; a backend never follows them.
#pragma once

#include "Platform/Dialogs.h"
#include "Platform/Lists.h"
#include "Platform/Menus.h"

#include <string>
#include <vector>

namespace platform::display {

// What the program drew into a window's port. Highlight: a selected area (a list cell), shown
// inverted; Line: the area the pen covered.
struct DrawnShape {
    enum class Kind { Text, Frame, RoundFrame, FocusRing, ListBoxFrame, Highlight, Line };
    Kind kind = Kind::Text;
    Rect rect{};      // for text, the box the text covers
    std::string text; // Text only
    Style face = normal;
};

struct ControlSnapshot {
    enum class Kind { Button, CheckBox, RadioButton, ScrollBar, Popup };
    ControlRef id = nullptr;
    Kind kind = Kind::Button;
    Rect bounds{};
    std::string title;
    SInt16 value = 0, minimum = 0, maximum = 0;
    UInt8 hilite = 0;    // 0 active, the part code while pressed, 255 inactive
    bool active = false; // neither inactive nor disabled
    bool visible = true;
    // Scroll bars only: the arrows at the ends and the thumb (empty when there is no room).
    bool vertical = true;
    Rect upArrow{}, downArrow{}, thumb{};
};

struct ItemSnapshot {
    enum class Kind { Control, StaticText, EditText, Icon, Picture, User };
    DialogItemIndex number = 0;
    Kind kind = Kind::User;
    Rect box{};
    bool enabled = true;
    std::string text;             // a static text as shown (with ParamText), an edit field's text
    ControlRef control = nullptr; // Control items: in WindowSnapshot::controls
};

enum class AlertKind { None, Plain, Stop, Caution };

struct DialogSnapshot {
    std::vector<ItemSnapshot> items; // item N at N - 1
    DialogItemIndex defaultItem = 0, cancelItem = 0;
    // The current edit field (0 for none), its selection (a caret when both ends meet) and the
    // characters scrolled out on its left.
    DialogItemIndex editField = 0;
    SInt16 selStart = 0, selEnd = 0, editScroll = 0;
    AlertKind alert = AlertKind::None;
    SInt16 alertID = 0; // the alert's 'ALRT' resource
    // The 'DLOG' resource the dialog was made from (0 for none); a 'STR#' of the same ID, when
    // there is one, names the keys the application gives the window, key and meaning in turn.
    SInt16 dialogID = 0;
    // A password field: its text is bullets, one a character, never the characters.
    DialogItemIndex concealedField = 0;

    const ItemSnapshot* Item(DialogItemIndex number) const {
        return number >= 1 && size_t(number) <= items.size() ? &items[size_t(number) - 1] : nullptr;
    }
};

struct ListRowSnapshot {
    std::vector<std::string> cells; // column by column
    bool selected = false;          // any of its cells
};

// The rows in view only: a list may hold thousands, and every repaint takes a snapshot. The
// others come from ListRows.
struct ListSnapshot {
    ListHandle id = nullptr;
    Rect view{}; // the rows' area, without the scroll bar
    SInt16 rows = 0, columns = 0;
    SInt16 topRow = 0;    // the first row in view
    SInt16 shownRows = 0; // how many whole rows the view holds
    std::vector<SInt16> selectedRows;
    std::vector<ListRowSnapshot> shown; // topRow onwards, at most shownRows
    ControlRef scrollBar = nullptr;     // the vertical one, in WindowSnapshot::controls
};

struct StyledRun {
    std::string text;
    Style face = normal;
};

struct TextEditSnapshot {
    Rect view{};
    SInt32 lines = 0;
    SInt32 height = 0;   // pixels, all lines
    SInt32 scrolled = 0; // pixels above the view
    std::vector<std::vector<StyledRun>> shownLines;
};

struct WindowSnapshot {
    WindowRef id = nullptr;
    UInt64 serial = 0; // tells a new window from a gone one at the same address
    SInt16 kind = kApplicationWindowKind;
    bool visible = false;
    std::string title;
    bool hasCloseBox = false;
    Rect content{}, titleBar{}, closeBox{}, structure{}; // closeBox empty without one
    std::vector<DrawnShape> drawn;                       // in the order drawn
    std::vector<ControlSnapshot> controls;               // front-most first
    bool isDialog = false;
    DialogSnapshot dialog; // when isDialog
    std::vector<ListSnapshot> lists;
    std::vector<TextEditSnapshot> textEdits;

    const ControlSnapshot* Control(ControlRef control) const {
        for (const ControlSnapshot& found : controls)
            if (found.id == control) return &found;
        return nullptr;
    }
};

struct MenuItemSnapshot {
    std::string text;
    bool enabled = true;    // the item's own state
    bool choosable = false; // enabled, under an enabled title, and no separator
    bool separator = false;
    UInt8 key = 0; // the Command-key equivalent, upper case; 0 for none
    MenuCommand command = 0;
    Rect bounds{}; // where it shows while its menu is pulled down
};

struct MenuSnapshot {
    MenuID id = 0;
    std::string title;
    bool titleEnabled = true;
    Rect titleBounds{};
    std::vector<MenuItemSnapshot> items; // item N at N - 1
};

struct MenuBarSnapshot {
    std::vector<MenuSnapshot> menus; // left to right
    MenuID hilited = 0;              // the highlighted title; 0 for none
    bool pulledDown = false;         // the highlighted menu shows: the button is held
    MenuItemIndex underPointer = 0;  // the choosable item of that menu under the pointer
};

struct ModelSnapshot {
    std::vector<WindowSnapshot> windows; // every window, front to back, shown or not
    MenuBarSnapshot menuBar;
    bool inModalLoop = false; // the menus take neither keys nor clicks

    // The front-most shown window; null when none shows.
    const WindowSnapshot* Front() const {
        for (const WindowSnapshot& window : windows)
            if (window.visible) return &window;
        return nullptr;
    }
    const WindowSnapshot* Window(WindowRef id) const {
        for (const WindowSnapshot& window : windows)
            if (window.id == id) return &window;
        return nullptr;
    }
};

} // namespace platform::display
