// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Foreground black (all components 0) and background white (all 65535) in the current port.
#pragma once

void SetBlackOnWhite();
