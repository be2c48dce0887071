// A dialog's texts, edit fields and icons as the desktop's widgets. A static text is a label that
// wraps; an edit field keeps its own selection, clipboard and input method, and each change of its
// text is typed into the model's field, which stays what the program reads. A field the model
// changed itself (a new entry, a wrong password emptied) shows the model's text again.
#pragma once

#include "Display/Desktop/Part.h"

#include <memory>

namespace platform::display::gtk {

// A static text, an edit field or an icon: the items that have a part.
bool HasItemPart(const ItemSnapshot& item);
std::unique_ptr<Part> MakeItemPart(WindowContext& context, const ItemSnapshot& item);
// An alert without an icon item of its own gets the icon of its kind, in the corner an alert
// leaves for it.
bool NeedsAlertIcon(const WindowSnapshot& window);
std::unique_ptr<Part> MakeAlertIconPart(WindowContext& context);
Rect AlertIconBox(const WindowSnapshot& window);

// For the screen reader: each edit field is named by the static text on its left, or else above
// it.
const ItemSnapshot* LabelOf(const DialogSnapshot& dialog, const ItemSnapshot& field);

} // namespace platform::display::gtk
