// The window's keys as the program's character codes: the moving and editing keys, and Ctrl
// with a letter or digit as the Command key, as desktop users press it. Text itself reaches the
// program through the widgets that take it (an edit field's text), never key by key from here.
#pragma once

#include "Platform/Events.h"

#include <gdk/gdk.h>

namespace platform::display::gtk {

struct ModelKey {
    UInt8 charCode = 0; // 0: a key the program does not take from here
    UInt16 modifiers = 0;
};

ModelKey KeyOf(guint keyval, GdkModifierType state);

} // namespace platform::display::gtk
