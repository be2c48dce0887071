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
