// Makes a graphics port current for a scope and the previous one current again when the scope
// ends, however it ends.
#pragma once

#include "Platform/Quickdraw.h"

class SaveAndRestoreTheGrafPortClass {
  public:
    explicit SaveAndRestoreTheGrafPortClass(GrafPtr port);
    ~SaveAndRestoreTheGrafPortClass();
    SaveAndRestoreTheGrafPortClass(const SaveAndRestoreTheGrafPortClass&) = delete;
    SaveAndRestoreTheGrafPortClass& operator=(const SaveAndRestoreTheGrafPortClass&) = delete;

  private:
    GrafPtr savedPort;
};
