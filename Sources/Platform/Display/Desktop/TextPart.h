// A text of the model (the help window's) as the desktop's text view: the lines the model shows,
// in their styles, read-only; the wheel turns the scroll bar beside it.
#pragma once

#include "Display/Desktop/Part.h"

#include <memory>

namespace platform::display::gtk {

std::unique_ptr<Part> MakeTextPart(WindowContext& context, size_t index,
                                   const TextEditSnapshot& text);

} // namespace platform::display::gtk
