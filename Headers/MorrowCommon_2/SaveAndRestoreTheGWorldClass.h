// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Makes a graphics world current (with no device of the caller's) for a scope; the previous
// world and device are current again when the scope ends, however it ends.
#pragma once

#include "Platform/QDOffscreen.h"

class SaveAndRestoreTheGWorldClass {
  public:
    explicit SaveAndRestoreTheGWorldClass(CGrafPtr port);
    ~SaveAndRestoreTheGWorldClass();
    SaveAndRestoreTheGWorldClass(const SaveAndRestoreTheGWorldClass&) = delete;
    SaveAndRestoreTheGWorldClass& operator=(const SaveAndRestoreTheGWorldClass&) = delete;

  private:
    CGrafPtr savedPort;
    GDHandle savedDevice;
};
