// Controls from 'CNTL' templates: bounds, value, visible, maximum, minimum, procID, refCon
// and title, big-endian.
#include "Controls/Control.h"
#include "Controls/TemplateReader.h"
#include "Platform/Resources.h"

namespace platform::controls {

ControlRef ControlFromResource(SInt16 resourceID, WindowRef window, const Rect& bounds) {
    TemplateReader in(GetResource(FOUR_CHAR_CODE("CNTL"), resourceID));
    in.Skip(8); // the bounds: the dialog item's box stands instead
    SInt16 value = in.Int16();
    bool visible = in.Byte() != 0;
    in.Skip(1);
    SInt16 maximum = in.Int16(), minimum = in.Int16(), procID = in.Int16();
    SRefCon refCon = in.Int32();
    Str255 title;
    ToPascal(in.Pascal(), title);
    if (!in.Ok()) return nullptr;
    return NewControl(window, &bounds, title, visible, value, minimum, maximum, procID, refCon);
}

} // namespace platform::controls
