#include "Display/Desktop/MenuBarView.h"

#include <cstdio>

namespace platform::display::gtk {

namespace {

std::string ActionName(size_t menu, size_t item) {
    return "item-" + std::to_string(menu) + "-" + std::to_string(item);
}

// Underscores would be taken as mnemonics.
std::string Label(const std::string& text) {
    std::string label;
    for (char c : text)
        label += c == '_' ? std::string("__") : std::string(1, c);
    return label;
}

std::string Structure(const MenuBarSnapshot& bar) {
    std::string structure;
    for (const MenuSnapshot& menu : bar.menus) {
        structure += menu.title + "\x1e";
        for (const MenuItemSnapshot& item : menu.items)
            structure +=
                item.text + "\x1f" + std::to_string(item.key) + (item.separator ? "-" : "");
    }
    return structure;
}

GMenu* MenuOf(const MenuSnapshot& menu, size_t index) {
    GMenu* whole = g_menu_new();
    GMenu* section = g_menu_new();
    for (size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItemSnapshot& item = menu.items[i];
        if (item.separator) {
            g_menu_append_section(whole, nullptr, G_MENU_MODEL(section));
            g_object_unref(section);
            section = g_menu_new();
            continue;
        }
        const std::string action = "menu." + ActionName(index, i);
        GMenuItem* entry = g_menu_item_new(Label(item.text).c_str(), action.c_str());
        if (item.key != 0) {
            const char key = char(item.key >= 'A' && item.key <= 'Z' ? item.key + 32 : item.key);
            const std::string accel = std::string("<Control>") + key;
            g_menu_item_set_attribute(entry, "accel", "s", accel.c_str());
        }
        g_menu_append_item(section, entry);
        g_object_unref(entry);
    }
    g_menu_append_section(whole, nullptr, G_MENU_MODEL(section));
    g_object_unref(section);
    return whole;
}

} // namespace

MenuBarView::MenuBarView(ModelInput& input) : input_(input), actions_(g_simple_action_group_new()) {
    GMenu* empty = g_menu_new();
    bar_ = gtk_popover_menu_bar_new_from_model(G_MENU_MODEL(empty));
    g_object_unref(empty);
    g_object_ref_sink(bar_);
}

MenuBarView::~MenuBarView() {
    g_object_unref(bar_);
    g_object_unref(actions_);
}

void MenuBarView::Build(const MenuBarSnapshot& bar) {
    gchar** names = g_action_group_list_actions(G_ACTION_GROUP(actions_));
    for (gchar** name = names; *name; ++name)
        g_action_map_remove_action(G_ACTION_MAP(actions_), *name);
    g_strfreev(names);
    GMenu* menus = g_menu_new();
    for (size_t m = 0; m < bar.menus.size(); ++m) {
        const MenuSnapshot& menu = bar.menus[m];
        GMenu* items = MenuOf(menu, m);
        g_menu_append_submenu(menus, Label(menu.title).c_str(), G_MENU_MODEL(items));
        g_object_unref(items);
        for (size_t i = 0; i < menu.items.size(); ++i) {
            GSimpleAction* action = g_simple_action_new(ActionName(m, i).c_str(), nullptr);
            g_signal_connect(action, "activate",
                             G_CALLBACK(+[](GSimpleAction* chosen, GVariant*, MenuBarView* view) {
                                 view->Chosen(g_action_get_name(G_ACTION(chosen)));
                             }),
                             this);
            g_action_map_add_action(G_ACTION_MAP(actions_), G_ACTION(action));
            g_object_unref(action);
        }
    }
    gtk_popover_menu_bar_set_menu_model(GTK_POPOVER_MENU_BAR(bar_), G_MENU_MODEL(menus));
    g_object_unref(menus);
    built_ = Structure(bar);
}

void MenuBarView::Show(const MenuBarSnapshot& bar, bool inModalLoop) {
    model_ = bar;
    if (Structure(bar) != built_) Build(bar);
    for (size_t m = 0; m < bar.menus.size(); ++m)
        for (size_t i = 0; i < bar.menus[m].items.size(); ++i) {
            GAction* action =
                g_action_map_lookup_action(G_ACTION_MAP(actions_), ActionName(m, i).c_str());
            const bool usable = bar.menus[m].items[i].choosable && !inModalLoop;
            if (action) g_simple_action_set_enabled(G_SIMPLE_ACTION(action), usable);
        }
}

void MenuBarView::Chosen(const char* action) {
    size_t menu = 0, item = 0;
    if (std::sscanf(action, "item-%zu-%zu", &menu, &item) != 2 || menu >= model_.menus.size() ||
        item >= model_.menus[menu].items.size())
        return;
    input_.ChooseMenuItem(CentreOf(model_.menus[menu].titleBounds),
                          CentreOf(model_.menus[menu].items[item].bounds));
}

} // namespace platform::display::gtk
