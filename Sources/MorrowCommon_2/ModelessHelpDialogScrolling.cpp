// The help text's scroll bar: its value is the number of pixels of text above the view.
#include "ModelessHelpDialogPrivate.h"
#include "MorrowCommon_2/LongMinMax.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"

#include <cstdio>

namespace {

constexpr SInt32 kMaxControlValue = 32767;

SInt32 ViewHeight(TEHandle textEdit) {
    return (**textEdit).viewRect.bottom - (**textEdit).viewRect.top;
}

} // namespace

SInt16 ModelessHelpDialogScrollValueAfter(HelpDlgRec* rec, ControlRef control,
                                          ControlPartCode part) {
    const SInt32 value = GetControlValue(control), page = ViewHeight(rec->textEdit);
    switch (part) {
    case kControlUpButtonPart:
        return SInt16(LongMax(GetControlMinimum(control), value - 1));
    case kControlDownButtonPart:
        return SInt16(LongMin(GetControlMaximum(control), value + 1));
    case kControlPageUpPart:
        return SInt16(LongMax(GetControlMinimum(control), value - page));
    case kControlPageDownPart:
        return SInt16(LongMin(GetControlMaximum(control), value + page));
    default:
        return SInt16(value);
    }
}

// A text taller than a control's range scrolls as far as the range goes.
void SetModelessHelpDialogScrollBarStatus(HelpDlgRec* rec) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(rec->dialog));
    const SInt32 overflow =
        TEGetHeight((**rec->textEdit).nLines, 1, rec->textEdit) - ViewHeight(rec->textEdit);
    if (overflow < 1) {
        HiliteControl(rec->scrollBar, kControlInactivePart);
        SetControlMaximum(rec->scrollBar, 0);
    } else {
        HiliteControl(rec->scrollBar, kControlNoPart);
        SetControlMaximum(rec->scrollBar, SInt16(LongMin(overflow, kMaxControlValue)));
    }
}

void ScrollModelessHelpDialogBarAdjustToCurrentControlValue(HelpDlgRec* rec) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(rec->dialog));
    const TEPtr text = *rec->textEdit;
    TEScroll(0, SInt16(text->viewRect.top - text->destRect.top - GetControlValue(rec->scrollBar)),
             rec->textEdit);
}

void ModelessHelpDialogScrollBarAction(ControlRef control, ControlPartCode part) {
    auto* rec = control ? reinterpret_cast<HelpDlgRec*>(GetControlReference(control)) : nullptr;
    if (!rec) {
        std::fputs("helpDialog == nil\n", stderr);
        return;
    }
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(rec->dialog));
    SetControlValue(control, ModelessHelpDialogScrollValueAfter(rec, control, part));
    ScrollModelessHelpDialogBarAdjustToCurrentControlValue(rec);
}
