#include "MorrowCommon_2/MyControlHilite.h"

#include "MorrowCommon_2/MyDialogItems.h"

namespace {

constexpr ControlPartCode kPressed = 1;
constexpr UInt32 kFlashTicks = 10;

} // namespace

void MyHiliteControl(DialogRef dialog, short item, ControlPartCode hilite) {
    HiliteControl(GetDialogItemControlHandle(dialog, item), hilite);
}

UInt16 MyGetControlHilite(DialogRef dialog, short item) {
    return GetControlHilite(GetDialogItemControlHandle(dialog, item));
}

void MySetControlInactive(DialogRef dialog, short item) {
    MyHiliteControl(dialog, item, kControlInactivePart);
}

void MySetControlActive(DialogRef dialog, short item) {
    MyHiliteControl(dialog, item, kControlNoPart);
}

void MyHiliteControl10Ticks(DialogRef dialog, short item) {
    UInt32 finalTicks;
    MyHiliteControl(dialog, item, kPressed);
    Delay(kFlashTicks, &finalTicks);
    MyHiliteControl(dialog, item, kControlNoPart);
}
