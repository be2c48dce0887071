// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// When active, draws in plain black on white for a scope (whatever colours a theme had set) and
// puts the port's colours back when the scope ends.
#pragma once

#include "Platform/Quickdraw.h"

class SaveAndRestoreNonThemeBackgroundClass {
  public:
    explicit SaveAndRestoreNonThemeBackgroundClass(Boolean active);
    ~SaveAndRestoreNonThemeBackgroundClass();
    SaveAndRestoreNonThemeBackgroundClass(const SaveAndRestoreNonThemeBackgroundClass&) = delete;
    SaveAndRestoreNonThemeBackgroundClass&
    operator=(const SaveAndRestoreNonThemeBackgroundClass&) = delete;

  private:
    Boolean isActive;
    RGBColor savedForeColor;
    RGBColor savedBackColor;
};
