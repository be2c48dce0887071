#include "Display/Desktop/KeyCodes.h"

namespace platform::display::gtk {

namespace {

UInt8 CodeOfKey(guint keyval) {
    switch (keyval) {
    case GDK_KEY_Return:
        return kReturnCharCode;
    case GDK_KEY_KP_Enter:
        return kEnterCharCode;
    case GDK_KEY_Escape:
        return kEscapeCharCode;
    case GDK_KEY_BackSpace:
        return kBackspaceCharCode;
    case GDK_KEY_Delete:
    case GDK_KEY_KP_Delete:
        return kDeleteCharCode;
    case GDK_KEY_Insert:
    case GDK_KEY_KP_Insert:
        return kHelpCharCode;
    case GDK_KEY_Left:
        return kLeftArrowCharCode;
    case GDK_KEY_Right:
        return kRightArrowCharCode;
    case GDK_KEY_Up:
        return kUpArrowCharCode;
    case GDK_KEY_Down:
        return kDownArrowCharCode;
    case GDK_KEY_Home:
        return kHomeCharCode;
    case GDK_KEY_End:
        return kEndCharCode;
    case GDK_KEY_Page_Up:
        return kPageUpCharCode;
    case GDK_KEY_Page_Down:
        return kPageDownCharCode;
    default:
        return 0;
    }
}

} // namespace

ModelKey KeyOf(guint keyval, GdkModifierType state) {
    const UInt16 shift = (state & GDK_SHIFT_MASK) ? shiftKey : 0;
    if (const UInt8 special = CodeOfKey(keyval)) return ModelKey{special, shift};
    if (!(state & GDK_CONTROL_MASK) || (state & GDK_ALT_MASK)) return {};
    // The Menu Manager matches the letter upper case with Shift, lower case without.
    const guint character = shift ? gdk_keyval_to_upper(keyval) : gdk_keyval_to_lower(keyval);
    if (character < '0' || character > 'z') return {};
    return ModelKey{UInt8(character), UInt16(shift | cmdKey)};
}

} // namespace platform::display::gtk
