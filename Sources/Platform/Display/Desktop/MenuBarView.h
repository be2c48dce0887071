// The model's menu bar as the list window's menu bar: the same menus and items, separators as
// sections, the Command keys shown as Ctrl, each item usable when the model lets it be chosen.
// Choosing an item is a press on the model's title and a release on its item, as with the
// mouse, so the program's own menu routing follows.
#pragma once

#include "Display/Desktop/ModelInput.h"

#include <gtk/gtk.h>

#include <string>

namespace platform::display::gtk {

class MenuBarView {
  public:
    explicit MenuBarView(ModelInput& input);
    ~MenuBarView();
    MenuBarView(const MenuBarView&) = delete;
    MenuBarView& operator=(const MenuBarView&) = delete;

    GtkWidget* Widget() const { return bar_; }
    // Its actions, which the window holding the bar must have as "menu".
    GActionGroup* Actions() const { return G_ACTION_GROUP(actions_); }
    void Show(const MenuBarSnapshot& bar, bool inModalLoop);

  private:
    void Build(const MenuBarSnapshot& bar);
    void Chosen(const char* action);

    ModelInput& input_;
    GtkWidget* bar_;
    GSimpleActionGroup* actions_;
    MenuBarSnapshot model_;
    std::string built_; // the titles, items and keys the bar was built from
};

} // namespace platform::display::gtk
