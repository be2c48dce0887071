#include "Display/Desktop/ModelLayout.h"

#include <algorithm>

namespace platform::display::gtk {

namespace {

constexpr const char* kBoxKey = "korvane-box";
constexpr const char* kSizeKey = "korvane-size";

void Keep(GtkWidget* widget, const char* key, const GdkRectangle& rectangle) {
    g_object_set_data_full(G_OBJECT(widget), key, new GdkRectangle(rectangle),
                           [](gpointer kept) { delete static_cast<GdkRectangle*>(kept); });
}

void Measure(GtkWidget* layout, GtkOrientation orientation, int, int* minimum, int* natural,
             int* minimumBaseline, int* naturalBaseline) {
    const auto* size =
        static_cast<const GdkRectangle*>(g_object_get_data(G_OBJECT(layout), kSizeKey));
    *minimum = *natural =
        size ? (orientation == GTK_ORIENTATION_HORIZONTAL ? size->width : size->height) : 0;
    *minimumBaseline = *naturalBaseline = -1;
}

void Allocate(GtkWidget* layout, int, int, int) {
    for (GtkWidget* child = gtk_widget_get_first_child(layout); child;
         child = gtk_widget_get_next_sibling(child)) {
        const auto* box =
            static_cast<const GdkRectangle*>(g_object_get_data(G_OBJECT(child), kBoxKey));
        if (!box || !gtk_widget_should_layout(child)) continue;
        int minimumWidth = 0, naturalWidth = 0, minimumHeight = 0, naturalHeight = 0;
        gtk_widget_measure(child, GTK_ORIENTATION_HORIZONTAL, -1, &minimumWidth, &naturalWidth,
                           nullptr, nullptr);
        GtkAllocation at{box->x, box->y, std::max(box->width, minimumWidth), 0};
        gtk_widget_measure(child, GTK_ORIENTATION_VERTICAL, at.width, &minimumHeight,
                           &naturalHeight, nullptr, nullptr);
        at.height = std::max(box->height, minimumHeight);
        at.y -= (at.height - box->height) / 2;
        gtk_widget_size_allocate(child, &at, -1);
    }
}

} // namespace

GtkWidget* NewModelLayout(int width, int height) {
    GtkWidget* layout = gtk_fixed_new();
    gtk_widget_set_layout_manager(layout, gtk_custom_layout_new(nullptr, Measure, Allocate));
    SetModelLayoutSize(layout, width, height);
    return layout;
}

void SetModelLayoutSize(GtkWidget* layout, int width, int height) {
    const auto* size =
        static_cast<const GdkRectangle*>(g_object_get_data(G_OBJECT(layout), kSizeKey));
    if (size && size->width == width && size->height == height) return;
    Keep(layout, kSizeKey, GdkRectangle{0, 0, width, height});
    gtk_widget_queue_resize(layout);
}

void PlaceInModelLayout(GtkWidget* layout, GtkWidget* child, GdkRectangle box) {
    const auto* old = static_cast<const GdkRectangle*>(g_object_get_data(G_OBJECT(child), kBoxKey));
    if (old && gdk_rectangle_equal(old, &box)) return;
    Keep(child, kBoxKey, box);
    gtk_widget_queue_allocate(layout);
}

} // namespace platform::display::gtk
