// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// A zero-filled nonrelocatable block.
#pragma once

#include "Platform/MacTypes.h"

Ptr MyNewPtrClearOrNewPtrSysClear(Size size);
