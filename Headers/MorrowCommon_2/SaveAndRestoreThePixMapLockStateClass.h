// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Locks (or unlocks) a graphics world's pixels for a scope and puts their state back as it was
// when the scope ends.
#pragma once

#include "Platform/QDOffscreen.h"

class SaveAndRestoreThePixMapLockStateClass {
  public:
    SaveAndRestoreThePixMapLockStateClass(GWorldPtr port, Boolean lock);
    ~SaveAndRestoreThePixMapLockStateClass();
    SaveAndRestoreThePixMapLockStateClass(const SaveAndRestoreThePixMapLockStateClass&) = delete;
    SaveAndRestoreThePixMapLockStateClass&
    operator=(const SaveAndRestoreThePixMapLockStateClass&) = delete;

  private:
    PixMapHandle pixMap;
    GWorldFlags savedState;
};
