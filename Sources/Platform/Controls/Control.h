// The control record and what the Dialog Manager and the display need of the Control Manager.
#pragma once

#include "Platform/Controls.h"
#include "Support/PascalText.h"

#include <string>
#include <string_view>
#include <vector>

struct OpaqueControlRef {
    WindowRef window = nullptr;
    Rect bounds{}; // the window's local coordinates
    std::string title;
    SInt16 value = 0;
    SInt16 minimum = 0;
    SInt16 maximum = 0;
    SInt16 procID = 0;
    bool visible = true;
    UInt8 hilite = 0; // 0 active, a part code while pressed, 255 inactive
    SRefCon refCon = 0;
};

namespace platform::controls {

enum class Kind { Button, CheckBox, RadioButton, ScrollBar, Popup };

Kind KindOf(ControlRef control);
bool IsActive(ControlRef control);
// The part under a local point, whatever the control's state.
ControlPartCode PartAt(ControlRef control, Point local);
// A control made from 'CNTL' resourceID, in the bounds given rather than the template's; null
// when the template is missing or short.
ControlRef ControlFromResource(SInt16 resourceID, WindowRef window, const Rect& bounds);
// Every control of the window, front-most first.
std::vector<ControlRef> ControlsOf(WindowRef window);
// The display's snapshot of controls, installed with the first control.
void InstallModelView();
// For tests: forgets every control.
void Reset();

} // namespace platform::controls
