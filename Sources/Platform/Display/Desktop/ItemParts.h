// A dialog's texts, edit fields and icons as the desktop's widgets. A static text is a label that
// wraps; an edit field keeps its own selection, clipboard and input method, and each change of its
// text is typed into the model's field, which stays what the program reads. A field the model
// changed itself (a new entry, a wrong password emptied) shows the model's text again.
#pragma once

#include "Display/Desktop/Part.h"

#include <memory>

namespace platform::display::gtk {

std::unique_ptr<Part> MakeItemPart(WindowContext& context, const ItemSnapshot& item);
// The icon of an alert that has no icon item of its own, in the corner an alert leaves for it;
// null for a window that is no such alert.
std::unique_ptr<Part> MakeAlertIconPart(WindowContext& context, const WindowSnapshot& window);
Rect AlertIconBox(const WindowSnapshot& window);

// For the screen reader: each edit field is named by the static text on its left, or else above
// it.
const ItemSnapshot* LabelOf(const DialogSnapshot& dialog, const ItemSnapshot& field);

} // namespace platform::display::gtk
