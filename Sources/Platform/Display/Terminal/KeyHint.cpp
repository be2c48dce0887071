// The terminal's bottom row: the keys that do something in the front window, as many as fit.
#include "Display/Terminal/InputTranslator.h"
#include "Display/Terminal/Painters.h"

#include "Controls/Control.h"
#include "Dialogs/Dialog.h"
#include "Events/EventSource.h"
#include "Lists/List.h"
#include "Menus/Menu.h"
#include "Windows/Window.h"

#include <string>
#include <utility>
#include <vector>

namespace platform::display::terminal {

namespace {

using Hint = std::pair<std::string, std::string>; // the key and what it does

bool HasFocusTarget(DialogRef dialog) {
    for (size_t i = 1; i <= dialog->items.size(); ++i)
        if (IsFocusTarget(dialog, DialogItemIndex(i))) return true;
    return false;
}

// The key that presses an item, named after the button's title, while the item is active.
void AddButtonHint(std::vector<Hint>& hints, DialogRef dialog, DialogItemIndex index,
                   const char* key) {
    const DialogItem* item = dialogs::ItemOf(dialog, index);
    if (!item || !dialogs::IsControlItem(*item)) return;
    ControlRef control = dialogs::ControlOf(*item);
    if (controls::IsActive(control)) hints.emplace_back(key, control->title);
}

void AddDialogHints(std::vector<Hint>& hints, DialogRef dialog) {
    if (HasFocusTarget(dialog)) hints.emplace_back("Tab", "next");
    AddButtonHint(hints, dialog, dialog->defaultItem, "Return");
    AddButtonHint(hints, dialog, dialog->cancelItem, "Esc");
}

// The menus answer only outside modal dialogs.
void AddMenuHints(std::vector<Hint>& hints) {
    if (events::InModalLoop()) return;
    bool anyTitle = false;
    for (MenuRef menu : menus::Bar())
        anyTitle = anyTitle || menu->titleEnabled;
    if (anyTitle) hints.emplace_back("F10", "menus");
    for (MenuRef menu : menus::Bar())
        for (MenuItemIndex i = 1; i <= menu->items.size(); ++i)
            if (menus::IsChoosable(menu, i) && menu->items[i - 1].key)
                hints.emplace_back(std::string("Alt-") + char(menu->items[i - 1].key),
                                   menu->items[i - 1].text);
}

std::vector<Hint> FrontWindowHints() {
    std::vector<Hint> hints;
    WindowRef front = FrontWindow();
    if (front && front->dialog) AddDialogHints(hints, front->dialog);
    if (front && !lists::ListsIn(front).empty()) hints.emplace_back("Up/Down", "rows");
    AddMenuHints(hints);
    return hints;
}

int Cells(const std::string& text) {
    int cells = 0;
    for (size_t at = 0; at < text.size(); at += CharacterLength((unsigned char)text[at]))
        ++cells;
    return cells;
}

} // namespace

void PaintKeyHint(CellBuffer& screen, int row) {
    screen.Fill(0, row, screen.Columns(), row + 1, " ", Role::MenuBar);
    int column = 1;
    for (const Hint& hint : FrontWindowHints()) {
        const int width = Cells(hint.first) + 1 + Cells(hint.second);
        if (column + width > screen.Columns()) break;
        column += screen.Put(column, row, hint.first, Role::MenuBar, kBold) + 1;
        column += screen.Put(column, row, hint.second, Role::MenuBar) + 2;
    }
}

} // namespace platform::display::terminal
