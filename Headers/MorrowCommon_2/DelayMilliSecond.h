// Waits the given number of milliseconds on the Time Manager's clock (a negative count as 0).
#pragma once

#include "Platform/MacTypes.h"

void DelayMilliSecond(SInt32 ms);
