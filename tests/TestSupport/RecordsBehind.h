// Test support: what the managers keep behind their public records and give no call for.
#pragma once

#include "Platform/Controls.h"
#include "Platform/MacWindows.h"
#include "Platform/TextEdit.h"

namespace testsupport {

// The style of the character at offset in a styled text edit.
TextStyle TextStyleAt(TEHandle textEdit, SInt32 offset);
// The control definition the control was made with, as its template names it.
SInt16 ControlProcID(ControlRef control);
// Whether the window is shown, front or not.
bool WindowVisible(WindowRef window);

} // namespace testsupport
