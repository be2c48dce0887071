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
