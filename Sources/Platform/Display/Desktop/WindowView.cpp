#include "Display/Desktop/WindowView.h"

#include "Display/Desktop/ControlParts.h"
#include "Display/Desktop/ItemParts.h"
#include "Display/Desktop/KeyCodes.h"
#include "Display/Desktop/ListPart.h"
#include "Display/Desktop/ModelLayout.h"
#include "Display/Desktop/TextPart.h"

#include <cstdio>
#include <functional>
#include <string>

namespace platform::display::gtk {

namespace {

// A part's name among the window's, which orders the parts as they are read and visited: top
// to bottom, then left to right.
std::string Key(const Rect& at, char kind, uintptr_t id) {
    char key[64];
    std::snprintf(key, sizeof key, "%06d%06d%c%zx", at.top + 32768, at.left + 32768, kind,
                  size_t(id));
    return key;
}

std::string Key(const ItemSnapshot& item) {
    return Key(item.box, char('a' + int(item.kind)), item.number);
}

// The keys an edit field keeps: its own select all, clipboard and undo.
bool FieldKeepsKey(GtkWidget* focus, guint keyval) {
    if (!focus || !GTK_IS_EDITABLE(focus)) return false;
    const guint letter = gdk_keyval_to_lower(keyval);
    return letter == 'a' || letter == 'c' || letter == 'v' || letter == 'x' || letter == 'z';
}

// The screen's usable size, so that no window is larger than it.
void MonitorSize(int& width, int& height) {
    width = 1280;
    height = 800;
    GListModel* monitors = gdk_display_get_monitors(gdk_display_get_default());
    if (g_list_model_get_n_items(monitors) == 0) return;
    auto* monitor = GDK_MONITOR(g_list_model_get_item(monitors, 0));
    GdkRectangle area;
    gdk_monitor_get_geometry(monitor, &area);
    g_object_unref(monitor);
    width = area.width;
    height = area.height;
}

} // namespace

WindowView::WindowView(ModelInput& input, const WindowSnapshot& window)
    : context_{input, window}, window_(gtk_window_new()),
      column_(gtk_box_new(GTK_ORIENTATION_VERTICAL, 0)), scroller_(gtk_scrolled_window_new()),
      layout_(NewModelLayout(0, 0)) {
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    gtk_window_set_child(GTK_WINDOW(window_), column_);
    gtk_box_append(GTK_BOX(column_), scroller_);
    gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroller_), layout_);
    gtk_scrolled_window_set_propagate_natural_width(GTK_SCROLLED_WINDOW(scroller_), TRUE);
    gtk_scrolled_window_set_propagate_natural_height(GTK_SCROLLED_WINDOW(scroller_), TRUE);
    int width = 0, height = 0;
    MonitorSize(width, height);
    gtk_scrolled_window_set_max_content_width(GTK_SCROLLED_WINDOW(scroller_), width - 32);
    gtk_scrolled_window_set_max_content_height(GTK_SCROLLED_WINDOW(scroller_), height - 96);
    g_signal_connect(window_, "close-request",
                     G_CALLBACK(+[](GtkWindow*, WindowView* view) -> gboolean {
                         view->CloseRequested();
                         return TRUE;
                     }),
                     this);
    GtkEventController* keys = gtk_event_controller_key_new();
    gtk_event_controller_set_propagation_phase(keys, GTK_PHASE_CAPTURE);
    g_signal_connect(
        keys, "key-pressed",
        G_CALLBACK(+[](GtkEventControllerKey*, guint keyval, guint, GdkModifierType state,
                       WindowView* view) -> gboolean { return view->KeyPressed(keyval, state); }),
        this);
    gtk_widget_add_controller(window_, keys);
    // The parent and modality are given once the window is mapped: given before, the window
    // stays unpainted on X11.
    g_signal_connect(window_, "map",
                     G_CALLBACK(+[](GtkWidget*, WindowView* view) { view->Relate(); }), this);
}

void WindowView::Relate() {
    GtkWindow* shown = GTK_WINDOW(window_);
    if (gtk_window_get_transient_for(shown) != parent_)
        gtk_window_set_transient_for(shown, parent_);
    if (gtk_window_get_modal(shown) != modal_) gtk_window_set_modal(shown, modal_);
}

WindowView::~WindowView() {
    g_signal_handlers_disconnect_by_data(window_, this);
    SetMenuBar(nullptr);
    // The window first, so that it lets go of its focus and default widgets before they go.
    gtk_window_destroy(GTK_WINDOW(window_));
    parts_.clear();
}

void WindowView::Show(const WindowSnapshot& window, GtkWindow* parent, bool modal) {
    context_.model = window;
    context_.syncing = true;
    // Each only when it changed: setting the parent again remaps the window.
    GtkWindow* shown = GTK_WINDOW(window_);
    const char* title = window.title.empty() ? "Korvane" : window.title.c_str();
    if (g_strcmp0(gtk_window_get_title(shown), title) != 0) gtk_window_set_title(shown, title);
    const bool closable = window.hasCloseBox || window.dialog.cancelItem != 0;
    if (gtk_window_get_deletable(shown) != closable) gtk_window_set_deletable(shown, closable);
    parent_ = parent;
    modal_ = modal;
    if (gtk_widget_get_mapped(window_)) Relate();
    const Rect& content = window.content;
    SetModelLayoutSize(layout_, Across(content.right - content.left),
                       Down(content.bottom - content.top));
    if (!gtk_widget_get_visible(window_)) gtk_window_present(GTK_WINDOW(window_));
    ShowParts(window);
    context_.modelField = window.dialog.editField;
    context_.syncing = false;
}

void WindowView::SetMenuBar(GtkWidget* bar) {
    if (bar == menuBar_) return;
    if (menuBar_) gtk_box_remove(GTK_BOX(column_), menuBar_);
    menuBar_ = bar;
    if (menuBar_) gtk_box_prepend(GTK_BOX(column_), menuBar_);
}

// Parts of what went away go first, so that none is brought in step with a model that has no
// record of it.
void WindowView::ShowParts(const WindowSnapshot& window) {
    std::map<std::string, std::function<std::unique_ptr<Part>()>> wanted;
    for (const ControlSnapshot& control : window.controls)
        wanted[Key(control.bounds, 'c', uintptr_t(control.id))] = [this, c = &control] {
            return MakeControlPart(context_, *c);
        };
    for (const ItemSnapshot& item : window.dialog.items)
        if (HasItemPart(item))
            wanted[Key(item)] = [this, i = &item] { return MakeItemPart(context_, *i); };
    if (NeedsAlertIcon(window))
        wanted[Key(AlertIconBox(window), 'a', 0)] = [this] { return MakeAlertIconPart(context_); };
    for (const ListSnapshot& list : window.lists)
        wanted[Key(list.view, 'l', uintptr_t(list.id))] = [this, l = &list] {
            return MakeListPart(context_, *l);
        };
    for (size_t i = 0; i < window.textEdits.size(); ++i)
        wanted[Key(window.textEdits[i].view, 't', i)] = [this, &window, i] {
            return MakeTextPart(context_, i, window.textEdits[i]);
        };
    std::erase_if(parts_, [&](const auto& part) { return !wanted.contains(part.first); });
    bool made = false;
    for (auto& [key, make] : wanted) {
        std::unique_ptr<Part>& part = parts_[key];
        if (!part) {
            part = make();
            // In the window before it first shows the model, so that it can take the focus.
            gtk_widget_set_parent(part->Widget(), layout_);
            made = true;
        }
        Place(part->Widget(), part->Update(window));
    }
    if (made) NameFields(window);
}

void WindowView::Place(GtkWidget* widget, const Rect& box) {
    const Rect& content = context_.model.content;
    PlaceInModelLayout(layout_, widget,
                       GdkRectangle{Across(box.left - content.left), Down(box.top - content.top),
                                    Across(box.right - box.left), Down(box.bottom - box.top)});
}

void WindowView::NameFields(const WindowSnapshot& window) {
    for (const ItemSnapshot& item : window.dialog.items) {
        if (item.kind != ItemSnapshot::Kind::EditText) continue;
        const ItemSnapshot* label = LabelOf(window.dialog, item);
        const auto field = parts_.find(Key(item));
        const auto named = label ? parts_.find(Key(*label)) : parts_.end();
        if (field == parts_.end() || named == parts_.end()) continue;
        gtk_accessible_update_relation(GTK_ACCESSIBLE(field->second->Widget()),
                                       GTK_ACCESSIBLE_RELATION_LABELLED_BY, named->second->Widget(),
                                       nullptr, -1);
    }
}

void WindowView::CloseRequested() {
    const WindowSnapshot& window = context_.model;
    if (window.hasCloseBox)
        context_.input.Click(CentreOf(window.closeBox));
    else if (window.dialog.cancelItem != 0)
        context_.input.Key(kEscapeCharCode);
}

bool WindowView::KeyPressed(guint keyval, GdkModifierType state) {
    // An open menu takes its own keys.
    GtkWidget* focus = gtk_root_get_focus(GTK_ROOT(window_));
    if (focus && gtk_widget_get_ancestor(focus, GTK_TYPE_POPOVER)) return false;
    if (keyval == GDK_KEY_Escape) {
        context_.input.Key(kEscapeCharCode);
        return true;
    }
    const ModelKey key = KeyOf(keyval, state);
    if (!(key.modifiers & cmdKey)) return false;
    if (FieldKeepsKey(focus, keyval)) return false;
    context_.input.Key(key.charCode, key.modifiers);
    return true;
}

} // namespace platform::display::gtk
