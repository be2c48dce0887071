#include "MorrowCommon_2/SaveAndRestoreNonThemeBackgroundClass.h"

#include "MorrowCommon_2/SetBlackOnWhite.h"

SaveAndRestoreNonThemeBackgroundClass::SaveAndRestoreNonThemeBackgroundClass(Boolean active)
    : isActive(active), savedForeColor{}, savedBackColor{} {
    if (!isActive) return;
    GetForeColor(&savedForeColor);
    GetBackColor(&savedBackColor);
    SetBlackOnWhite();
}

SaveAndRestoreNonThemeBackgroundClass::~SaveAndRestoreNonThemeBackgroundClass() {
    if (!isActive) return;
    RGBForeColor(&savedForeColor);
    RGBBackColor(&savedBackColor);
}
