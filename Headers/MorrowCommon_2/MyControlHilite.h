// The highlight of a dialog item's control: 0 active, 255 inactive, a part code pressed.
#pragma once

#include "Platform/Dialogs.h"

void MyHiliteControl(DialogRef dialog, short item, ControlPartCode hilite);
UInt16 MyGetControlHilite(DialogRef dialog, short item);
void MySetControlInactive(DialogRef dialog, short item);
void MySetControlActive(DialogRef dialog, short item);
// Shows a button pressed for 10 ticks, so that a key that chose it is seen to have done so.
void MyHiliteControl10Ticks(DialogRef dialog, short item);
