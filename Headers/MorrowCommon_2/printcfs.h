// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Debugging: prints a platform string to standard output as "<text>" in the system encoding (at
// most 1023 bytes), or "[Unknown string]" when it does not convert. A null string prints nothing.
#pragma once

#include "Platform/CoreFoundation.h"

void printcfs(CFStringRef string);
