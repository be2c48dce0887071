// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Waits the given number of milliseconds on the Time Manager's clock (a negative count as 0).
#pragma once

#include "Platform/MacTypes.h"

void DelayMilliSecond(SInt32 ms);
