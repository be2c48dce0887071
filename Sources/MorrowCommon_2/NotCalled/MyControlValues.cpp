#include "MorrowCommon_2/MyControlValues.h"

#include "MorrowCommon_2/MyDialogItems.h"

SInt16 MyGetCtlValue(DialogRef dialog, short item) {
    return GetControlValue(GetDialogItemControlHandle(dialog, item));
}

void MySetCtlValue(DialogRef dialog, short item, SInt16 value) {
    SetControlValue(GetDialogItemControlHandle(dialog, item), value);
}

void MySetCheckBox(DialogRef dialog, short item) {
    MySetCtlValue(dialog, item, 1);
}

void MyClearCheckBox(DialogRef dialog, short item) {
    MySetCtlValue(dialog, item, 0);
}

void MySwitchCheckBox(DialogRef dialog, short item) {
    MySwitchCheckBox(dialog, item, MyGetCtlValue(dialog, item) == 0);
}

void MySwitchCheckBox(DialogRef dialog, short item, short on) {
    MySetCtlValue(dialog, item, on != 0 ? 1 : 0);
}

short MyGetRadioButton(DialogRef dialog, short first, short last) {
    for (int item = first; item <= last; ++item)
        if (MyGetCtlValue(dialog, short(item)) != 0) return short(item);
    return 0;
}

void MySetRadioButton(DialogRef dialog, short first, short last, short selected) {
    for (int item = first; item <= last; ++item)
        MySetCtlValue(dialog, short(item), item == selected ? 1 : 0);
}
