// The model's controls as the desktop's widgets: a push button (the default one the window's
// suggested action), a check box, a scroll bar. A press is a click on the control, so the model
// tracks it as it would the mouse; what the widget shows (title, value, whether it can be
// used) comes from the model.
#pragma once

#include "Display/Desktop/Part.h"

#include <memory>

namespace platform::display::gtk {

std::unique_ptr<Part> MakeControlPart(WindowContext& context, const ControlSnapshot& control);

} // namespace platform::display::gtk
