// Control records: making and disposing of them, and their state.
#include "Controls/Control.h"
#include "Windows/Window.h"

#include <algorithm>
#include <memory>

using namespace platform;
using namespace platform::controls;

namespace {

// Every control of every window, newest first, as a window's control list keeps them.
std::vector<std::unique_ptr<OpaqueControlRef>>& Controls() {
    static std::vector<std::unique_ptr<OpaqueControlRef>> controls;
    return controls;
}

// The value stays between minimum and maximum; a maximum below the minimum counts as the
// minimum.
void Pin(ControlRef control) {
    control->value =
        std::clamp(control->value, control->minimum, std::max(control->minimum, control->maximum));
    windows::ModelChanged();
}

} // namespace

namespace platform::controls {

std::vector<ControlRef> ControlsOf(WindowRef window) {
    std::vector<ControlRef> found;
    for (const auto& control : Controls())
        if (control->window == window) found.push_back(control.get());
    return found;
}

void Reset() {
    Controls().clear();
}

} // namespace platform::controls

ControlRef NewControl(WindowRef owningWindow, const Rect* boundsRect, ConstStr255Param title,
                      Boolean visible, SInt16 value, SInt16 min, SInt16 max, SInt16 procID,
                      SRefCon refCon) {
    if (!windows::IsWindow(owningWindow) || !boundsRect) return nullptr;
    auto control = std::make_unique<OpaqueControlRef>();
    control->window = owningWindow;
    control->bounds = *boundsRect;
    control->title = FromPascal(title);
    control->visible = visible;
    control->value = value;
    control->minimum = min;
    control->maximum = max;
    control->procID = procID;
    control->refCon = refCon;
    ControlRef made = control.get();
    Controls().insert(Controls().begin(), std::move(control));
    InstallModelView();
    Pin(made);
    return made;
}

void DisposeControl(ControlRef theControl) {
    std::erase_if(Controls(), [&](const auto& control) { return control.get() == theControl; });
    windows::ModelChanged();
}

void KillControls(WindowRef theWindow) {
    std::erase_if(Controls(), [&](const auto& control) { return control->window == theWindow; });
    windows::ModelChanged();
}

// Controls are drawn from the model by the display.
void Draw1Control(ControlRef) {
    windows::ModelChanged();
}

void HiliteControl(ControlRef theControl, ControlPartCode hiliteState) {
    theControl->hilite = UInt8(hiliteState);
    windows::ModelChanged();
}

UInt16 GetControlHilite(ControlRef control) {
    return control->hilite;
}

SInt16 GetControlValue(ControlRef theControl) {
    return theControl->value;
}

void SetControlValue(ControlRef theControl, SInt16 newValue) {
    theControl->value = newValue;
    Pin(theControl);
}

SInt16 GetControlMinimum(ControlRef theControl) {
    return theControl->minimum;
}

void SetControlMinimum(ControlRef theControl, SInt16 newMinimum) {
    theControl->minimum = newMinimum;
    Pin(theControl);
}

SInt16 GetControlMaximum(ControlRef theControl) {
    return theControl->maximum;
}

void SetControlMaximum(ControlRef theControl, SInt16 newMaximum) {
    theControl->maximum = newMaximum;
    Pin(theControl);
}

void SetControlReference(ControlRef theControl, SRefCon data) {
    theControl->refCon = data;
}

SRefCon GetControlReference(ControlRef theControl) {
    return theControl->refCon;
}
