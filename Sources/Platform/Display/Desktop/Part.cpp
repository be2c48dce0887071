#include "Display/Desktop/Part.h"

#include <cmath>
#include <cstdlib>

namespace platform::display::gtk {

Part::Part(WindowContext& context, GtkWidget* widget) : context_(context), widget_(widget) {
    g_object_ref_sink(widget_);
}

Part::~Part() {
    g_signal_handlers_disconnect_by_data(widget_, this);
    if (gtk_widget_get_parent(widget_)) gtk_widget_unparent(widget_);
    g_object_unref(widget_);
}

void Part::Connect(GtkWidget* widget, const char* signal, GCallback handler) {
    g_signal_connect(widget, signal, handler, this);
}

const ControlSnapshot* ScrollBarBeside(const WindowSnapshot& window, const Rect& box) {
    const ControlSnapshot* nearest = nullptr;
    int distance = 1 << 20;
    for (const ControlSnapshot& control : window.controls) {
        if (control.kind != ControlSnapshot::Kind::ScrollBar || !control.vertical) continue;
        if (control.bounds.bottom <= box.top || control.bounds.top >= box.bottom) continue;
        const int away = std::abs(control.bounds.left - box.right);
        if (away < distance) {
            distance = away;
            nearest = &control;
        }
    }
    return nearest;
}

namespace {

struct WheelTarget {
    WindowContext* context;
    Rect box;
};

gboolean OnWheel(GtkEventControllerScroll*, double, double dy, gpointer data) {
    auto* target = static_cast<WheelTarget*>(data);
    const ControlSnapshot* bar = ScrollBarBeside(target->context->model, target->box);
    const int notches = int(std::lround(dy));
    if (bar && notches != 0) target->context->input.Scroll(*bar, notches * kWheelRows);
    return TRUE;
}

} // namespace

void NameForReader(GtkWidget* widget, std::string& named, const std::string& name) {
    if (name == named) return;
    named = name;
    gtk_accessible_update_property(GTK_ACCESSIBLE(widget), GTK_ACCESSIBLE_PROPERTY_LABEL,
                                   name.c_str(), -1);
}

void ScrollWithWheel(GtkWidget* widget, WindowContext& context, Rect box) {
    GtkEventController* wheel = gtk_event_controller_scroll_new(GtkEventControllerScrollFlags(
        GTK_EVENT_CONTROLLER_SCROLL_VERTICAL | GTK_EVENT_CONTROLLER_SCROLL_DISCRETE));
    auto* target = new WheelTarget{&context, box};
    g_signal_connect_data(
        wheel, "scroll", G_CALLBACK(OnWheel), target,
        [](gpointer data, GClosure*) { delete static_cast<WheelTarget*>(data); }, GConnectFlags(0));
    gtk_widget_add_controller(widget, wheel);
}

} // namespace platform::display::gtk
