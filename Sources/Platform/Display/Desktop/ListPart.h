// A list of the model as the desktop's list: the rows the model shows, selected as the model
// has them, each named for the screen reader by its cells. A click on a row is a click on its
// cell, so that the model selects it (a quick second one opening it, as a double click); the
// keys go to the program, whose arrows move the selection; the wheel turns the model's scroll
// bar.
#pragma once

#include "Display/Desktop/Part.h"

#include <memory>

namespace platform::display::gtk {

std::unique_ptr<Part> MakeListPart(WindowContext& context, const ListSnapshot& list);

} // namespace platform::display::gtk
