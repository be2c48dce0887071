#include "MorrowCommon_2/SetBlackOnWhite.h"

#include "Platform/Quickdraw.h"

void SetBlackOnWhite() {
    const RGBColor black{0, 0, 0}, white{65535, 65535, 65535};
    RGBForeColor(&black);
    RGBBackColor(&white);
}
