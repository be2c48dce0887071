// How the menu bar reads in the printout.
#include "Display/ModelPrinter.h"

#include <algorithm>
#include <cctype>

namespace platform::display {

namespace {

std::string CommandName(MenuCommand command) {
    std::string code;
    for (int shift = 24; shift >= 0; shift -= 8)
        code += char(command >> shift);
    bool printable = std::all_of(code.begin(), code.end(),
                                 [](char c) { return std::isprint(UInt8(c)) && c != '\''; });
    return printable ? "'" + code + "'" : std::to_string(command);
}

void PrintItem(std::ostream& out, const MenuItemSnapshot& item) {
    out << (item.separator ? "-" : Quoted(item.text)) << (item.enabled ? "*" : "");
    if (item.command) out << " #" << CommandName(item.command);
    if (item.key) out << " cmd-" << char(item.key);
}

void PrintMenu(std::ostream& out, const MenuSnapshot& menu) {
    out << "  menu " << menu.id << " " << Quoted(menu.title) << ":";
    const char* separator = " ";
    for (const MenuItemSnapshot& item : menu.items) {
        out << separator;
        PrintItem(out, item);
        separator = ", ";
    }
    out << "\n";
}

} // namespace

void PrintMenuBar(std::ostream& out, const MenuBarSnapshot& bar) {
    if (bar.menus.empty()) return;
    out << "menu bar:";
    const char* separator = " ";
    for (const MenuSnapshot& menu : bar.menus) {
        const bool hilited = menu.id == bar.hilited;
        out << separator << (hilited ? "[" : "") << menu.title << (hilited ? "]" : "")
            << (menu.titleEnabled ? "*" : "");
        separator = " | ";
    }
    out << "\n";
    for (const MenuSnapshot& menu : bar.menus)
        PrintMenu(out, menu);
}

} // namespace platform::display
