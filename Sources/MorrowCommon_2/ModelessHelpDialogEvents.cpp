// The help window's events: clicks in the topic list and the scroll bars, the closing keys, the
// frames drawn on update; and its items.
#include "ModelessHelpDialogPrivate.h"
#include "MorrowCommon_2/AppearanceManagerAvailable.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/Appearance.h"

namespace {

constexpr SInt16 kTextEraseInset = 1;

void ShowTopic(HelpDlgRec* rec, short topic) {
    ChangeTheModelessHelpDialogMessage(rec, topic);
    SetControlValue(rec->scrollBar, 0);
    ScrollModelessHelpDialogBarAdjustToCurrentControlValue(rec);
    SetModelessHelpDialogScrollBarStatus(rec);
    rec->currentTopic = topic;
}

// One topic is always selected: a click that leaves none selects the one shown again.
Boolean ClickInTopicList(HelpDlgRec* rec, Point local, EventModifiers modifiers) {
    Rect view;
    GetListViewBounds(rec->topicList, &view);
    if (!PtInRect(local, &view)) return false;
    LClick(local, modifiers, rec->topicList);
    Cell selected = {0, 0};
    if (!LGetSelect(true, &selected, rec->topicList))
        LSetSelect(true, Cell{rec->currentTopic, 0}, rec->topicList);
    else if (selected.v != rec->currentTopic)
        ShowTopic(rec, selected.v);
    return true;
}

// With Appearance the arrows and page areas scroll while they are held. Otherwise the bar is
// tracked alone and the text follows on release, by one step for an arrow or a page area.
Boolean ClickInTextScrollBar(HelpDlgRec* rec, Point local, ControlPartCode part) {
    if (part != kControlIndicatorPart && rec->appearanceAvailable) {
        SetControlReference(rec->scrollBar, reinterpret_cast<SRefCon>(rec));
        TrackControl(rec->scrollBar, local, rec->scrollActionUPP);
        return true;
    }
    const ControlPartCode released = TrackControl(rec->scrollBar, local, nullptr);
    if (released != kControlNoPart) {
        SetControlValue(rec->scrollBar,
                        ModelessHelpDialogScrollValueAfter(rec, rec->scrollBar, released));
        ScrollModelessHelpDialogBarAdjustToCurrentControlValue(rec);
    }
    return true;
}

Boolean MouseDown(HelpDlgRec* rec, const EventRecord& event) {
    Point local = event.where;
    GlobalToLocal(&local);
    ControlRef control = nullptr;
    const ControlPartCode part = FindControl(local, GetDialogWindow(rec->dialog), &control);
    if (!control) return ClickInTopicList(rec, local, event.modifiers);
    if (control == GetListVerticalScrollBar(rec->topicList)) {
        LClick(local, event.modifiers, rec->topicList);
        return true;
    }
    if (control == rec->scrollBar) return ClickInTextScrollBar(rec, local, part);
    return false;
}

Boolean IsClosingKey(const EventRecord& event) {
    const UInt8 charCode = UInt8(event.message & charCodeMask);
    return charCode == kEnterCharCode || charCode == kReturnCharCode || charCode == kEscapeCharCode;
}

void DrawFrames(HelpDlgRec* rec) {
    Rect list, text;
    GetDialogItemBox(rec->dialog, kHelpTopicListItem, &list);
    GetDialogItemBox(rec->dialog, kHelpTextItem, &text);
    if (rec->appearanceAvailable) {
        Rect bar, textAndBar;
        GetDialogItemBox(rec->dialog, kHelpScrollBarItem, &bar);
        UnionRect(&text, &bar, &textAndBar);
        DrawThemeListBoxFrame(&list, kThemeStateActive);
        DrawThemeListBoxFrame(&textAndBar, kThemeStateActive);
    } else {
        FrameRect(&list);
        FrameRect(&text);
    }
    InsetRect(&text, kTextEraseInset, kTextEraseInset);
    EraseRect(&text);
    TEUpdate(&text, rec->textEdit);
    RgnHandle visible = NewRgn();
    if (!visible) return;
    LUpdate(GetPortVisibleRegion(GetDialogPort(rec->dialog), visible), rec->topicList);
    DisposeRgn(visible);
}

Boolean StandardFilter(DialogRef dialog, EventRecord* event, DialogItemIndex* itemHit) {
    ModalFilterUPP standard = nullptr;
    if (!DITLExtensionAvailable() || GetStdFilterProc(&standard) != noErr) return false;
    return InvokeModalFilterUPP(dialog, event, itemHit, standard);
}

} // namespace

Boolean ModelessHelpDialogFilterProc(DialogRef dialog, EventRecord* event,
                                     DialogItemIndex* itemHit) {
    HelpDlgRec* rec = GetModelessHelpDialogRec(dialog);
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(dialog));
    switch (event->what) {
    case mouseDown:
        if (MouseDown(rec, *event)) return true;
        break;
    case keyDown:
    case autoKey:
        if (IsClosingKey(*event)) {
            *itemHit = kHelpCloseItem;
            MyHiliteControl10Ticks(dialog, kHelpCloseItem);
            return true;
        }
        break;
    case updateEvt:
        if (reinterpret_cast<WindowRef>(event->message) == GetDialogWindow(dialog)) DrawFrames(rec);
        break;
    case activateEvt:
        return false;
    default:
        break;
    }
    return StandardFilter(dialog, event, itemHit);
}

void ModelessHelpDialogItemProc(DialogRef* dialogRef, short item) {
    switch (item) {
    case kHelpCloseItem:
        DisposeModelessHelpDialog(dialogRef);
        break;
    case kHelpPrintItem:
        PrintModelessHelpDialogList(*dialogRef);
        break;
    default:
        break;
    }
}
