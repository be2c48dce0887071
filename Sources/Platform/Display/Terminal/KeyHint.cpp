// The terminal's bottom row: the keys that do something in the front window, as many as fit.
#include "Display/KeyConveniences.h"
#include "Display/Terminal/TerminalPainters.h"
#include "Platform/Resources.h"

#include <string>
#include <utility>
#include <vector>

namespace platform::display::terminal {

namespace {

using Hint = std::pair<std::string, std::string>; // the key and what it does

bool HasFocusTarget(const WindowSnapshot& window) {
    for (const ItemSnapshot& item : window.dialog.items)
        if (IsFocusTarget(window, item.number)) return true;
    return false;
}

// The key that presses an item, named after the button's title, while the item is active.
void AddButtonHint(std::vector<Hint>& hints, const WindowSnapshot& window, DialogItemIndex index,
                   const char* key) {
    const ItemSnapshot* item = window.dialog.Item(index);
    if (!item || item->kind != ItemSnapshot::Kind::Control) return;
    const ControlSnapshot* control = window.Control(item->control);
    if (control && control->active) hints.emplace_back(key, control->title);
}

// The keys the application gives the dialog: pairs of key and meaning in its key list.
void AddApplicationHints(std::vector<Hint>& hints, const WindowSnapshot& window) {
    if (window.dialog.dialogID == 0) return;
    for (SInt16 index = 1;; index += 2) {
        Str255 key, meaning;
        GetIndString(key, window.dialog.dialogID, index);
        GetIndString(meaning, window.dialog.dialogID, SInt16(index + 1));
        if (key[0] == 0) return;
        hints.emplace_back(std::string(reinterpret_cast<const char*>(key + 1), key[0]),
                           std::string(reinterpret_cast<const char*>(meaning + 1), meaning[0]));
    }
}

void AddDialogHints(std::vector<Hint>& hints, const WindowSnapshot& window) {
    if (HasFocusTarget(window)) hints.emplace_back("Tab", "next");
    AddButtonHint(hints, window, window.dialog.defaultItem, "Return");
    AddButtonHint(hints, window, window.dialog.cancelItem, "Esc");
}

// The menus answer only outside modal dialogs.
bool MenusAnswer(const ModelSnapshot& model) {
    if (model.inModalLoop) return false;
    for (const MenuSnapshot& menu : model.menuBar.menus)
        if (menu.titleEnabled) return true;
    return false;
}

void AddMenuKeyHints(std::vector<Hint>& hints, const ModelSnapshot& model) {
    if (model.inModalLoop) return;
    for (const MenuSnapshot& menu : model.menuBar.menus)
        for (const MenuItemSnapshot& item : menu.items)
            if (item.choosable && item.key)
                hints.emplace_back(std::string("Alt-") + char(item.key), item.text);
}

std::vector<Hint> FrontWindowHints(const ModelSnapshot& model) {
    std::vector<Hint> hints;
    const WindowSnapshot* front = model.Front();
    if (front && front->isDialog) AddDialogHints(hints, *front);
    if (front && !front->lists.empty()) hints.emplace_back("Up/Down", "rows");
    if (MenusAnswer(model)) hints.emplace_back("F10", "menus");
    if (front && front->isDialog) AddApplicationHints(hints, *front);
    AddMenuKeyHints(hints, model);
    return hints;
}

} // namespace

void PaintKeyHint(CellBuffer& screen, int row, const ModelSnapshot& model) {
    screen.Fill(0, row, screen.Columns(), row + 1, " ", Role::MenuBar);
    int column = 1;
    for (const Hint& hint : FrontWindowHints(model)) {
        const int width = Characters(hint.first) + 1 + Characters(hint.second);
        if (column + width > screen.Columns()) break;
        column += screen.Put(column, row, hint.first, Role::MenuBar, kBold) + 1;
        column += screen.Put(column, row, hint.second, Role::MenuBar) + 2;
    }
}

} // namespace platform::display::terminal
