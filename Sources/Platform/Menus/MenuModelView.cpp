// The menus in the screen model: where a script finds a menu item, and how the menu bar reads.
//
//   menu bar: Korvane* | [File]* | Edit | Sort*
//     menu 129 "File": "Import CSV…"* #10 cmd-I, -* #12
//
// A star marks an enabled title or item, brackets the highlighted title, # the command ID (a
// four-character code in quotes), cmd- the key equivalent; a separator reads "-".
#include "Controls/Control.h"
#include "Display/Backend.h"
#include "Display/ModelView.h"
#include "Events/EventSource.h"
#include "Menus/Menu.h"

#include <cctype>

namespace platform::menus {

namespace {

// The title and the first item, in the bar's menus, that the test takes.
template <typename Test> std::optional<std::pair<Point, Point>> Locate(const Test& test) {
    for (MenuRef menu : Bar())
        for (MenuItemIndex item = 1; item <= menu->items.size(); ++item)
            if (test(menu, *ItemOf(menu, item)))
                return std::pair{display::CentreOf(TitleBounds(menu)),
                                 display::CentreOf(ItemBounds(menu, item))};
    return std::nullopt;
}

std::optional<std::pair<Point, Point>> LocateItem(const std::string& title,
                                                  const std::string& text) {
    return Locate([&](MenuRef menu, const MenuItem& item) {
        return menu->title == title && item.text == text;
    });
}

std::optional<std::pair<Point, Point>> LocateCommand(UInt32 command) {
    return Locate([&](MenuRef, const MenuItem& item) { return item.command == command; });
}

std::string CommandName(MenuCommand command) {
    std::string code;
    for (int shift = 24; shift >= 0; shift -= 8)
        code += char(command >> shift);
    bool printable = std::all_of(code.begin(), code.end(),
                                 [](char c) { return std::isprint(UInt8(c)) && c != '\''; });
    return printable ? "'" + code + "'" : std::to_string(command);
}

void DescribeItem(std::ostream& out, const MenuItem& item) {
    out << (item.IsSeparator() ? "-" : controls::Quoted(item.text)) << (item.enabled ? "*" : "");
    if (item.command) out << " #" << CommandName(item.command);
    if (item.key) out << " cmd-" << char(item.key);
}

void DescribeMenu(std::ostream& out, MenuRef menu) {
    out << "  menu " << menu->id << " " << controls::Quoted(menu->title) << ":";
    const char* separator = " ";
    for (const MenuItem& item : menu->items) {
        out << separator;
        DescribeItem(out, item);
        separator = ", ";
    }
    out << "\n";
}

} // namespace

void DescribeMenuBar(std::ostream& out) {
    if (Bar().empty()) return;
    out << "menu bar:";
    const char* separator = " ";
    for (MenuRef menu : Bar()) {
        bool hilited = menu->id == HilitedMenu();
        out << separator << (hilited ? "[" : "") << menu->title << (hilited ? "]" : "")
            << (menu->titleEnabled ? "*" : "");
        separator = " | ";
    }
    out << "\n";
    for (MenuRef menu : Bar())
        DescribeMenu(out, menu);
}

// Again on every change of the menu bar: whoever cleared the key filter meanwhile does not
// leave the menus deaf to their keys.
void ConnectToEventsAndDisplay() {
    events::SetKeyEquivalentFilter(TakeKeyEquivalent);
    display::ModelView& view = display::TheModelView();
    view.menuItem = LocateItem;
    view.menuCommand = LocateCommand;
    view.describeMenuBar = DescribeMenuBar;
}

} // namespace platform::menus
