// The layout of a window's content: each widget at its model rectangle (scaled, see Part.h),
// as wide as the rectangle, and as high as it or as the widget needs at that width, centred on
// it; the content as large as the model window's.
#pragma once

#include <gtk/gtk.h>

namespace platform::display::gtk {

// A widget to hold the parts, sized width by height.
GtkWidget* NewModelLayout(int width, int height);
void SetModelLayoutSize(GtkWidget* layout, int width, int height);
// Puts a child of the layout at the box, in layout pixels.
void PlaceInModelLayout(GtkWidget* layout, GtkWidget* child, GdkRectangle box);

} // namespace platform::display::gtk
