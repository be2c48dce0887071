// Control action routine descriptors: the routine itself.
#include "Platform/Controls.h"

ControlActionUPP NewControlActionUPP(ControlActionProcPtr userRoutine) {
    return userRoutine;
}

void DisposeControlActionUPP(ControlActionUPP) {}

void InvokeControlActionUPP(ControlRef theControl, ControlPartCode partCode,
                            ControlActionUPP userUPP) {
    userUPP(theControl, partCode);
}
