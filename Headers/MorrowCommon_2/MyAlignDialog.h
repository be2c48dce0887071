// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Centres a 'DLOG' or 'ALRT' template across the main screen, in memory only, so that the next
// dialog or alert made from it opens in the middle. Top and bottom stay; other types are ignored.
#pragma once

#include "Platform/MacTypes.h"

void MyAlignDialog(ResType type, SInt16 id);
