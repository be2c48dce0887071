// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// The values of dialog items' controls: check boxes are on at 1 and off at 0; of a group of
// radio buttons, numbered first to last, the one on is the one selected.
#pragma once

#include "Platform/Dialogs.h"

SInt16 MyGetCtlValue(DialogRef dialog, short item);
void MySetCtlValue(DialogRef dialog, short item, SInt16 value);

void MySetCheckBox(DialogRef dialog, short item);
void MyClearCheckBox(DialogRef dialog, short item);
// Turns the check box off when it is on, and on otherwise.
void MySwitchCheckBox(DialogRef dialog, short item);
// On when on is not 0, off otherwise.
void MySwitchCheckBox(DialogRef dialog, short item, short on);

// The first button from first to last that is on; 0 when none is.
short MyGetRadioButton(DialogRef dialog, short first, short last);
// Turns selected on and every other button from first to last off.
void MySetRadioButton(DialogRef dialog, short first, short last, short selected);
