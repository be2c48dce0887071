// Opening the help window: the dialog, its procedures, the topic list and the text.
#include "ModelessHelpDialogPrivate.h"
#include "MorrowCommon_2/AppearanceManagerAvailable.h"
#include "MorrowCommon_2/ChangeDITLToAppearanceSavvy.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

namespace {

constexpr SInt16 kTextInset = 4;
constexpr SInt16 kListInset = 1;
constexpr SInt16 kListScrollBarWidth = 15;
constexpr SInt16 kTextDestBottom = 32767;
constexpr SInt16 kStandardListDefinition = 0;

OSErr InstallProcedures(HelpDlgRec* rec) {
    rec->versionDrawUPP = NewUserItemUPP(DrawModelessHelpDialogVersion);
    if (!rec->versionDrawUPP) return memFullErr;
    SetDialogItemControlHandle(rec->dialog, kHelpVersionItem,
                               reinterpret_cast<ControlRef>(rec->versionDrawUPP));
    if (DITLExtensionAvailable()) SetDialogDefaultItem(rec->dialog, kHelpCloseItem);
    rec->scrollActionUPP = NewControlActionUPP(ModelessHelpDialogScrollBarAction);
    rec->filterUPP = NewModalFilterUPP(ModelessHelpDialogFilterProc);
    return rec->scrollActionUPP && rec->filterUPP ? noErr : memFullErr;
}

// One column and no rows yet, drawn once the topics are in.
OSErr MakeTopicList(HelpDlgRec* rec) {
    Rect view;
    GetDialogItemBox(rec->dialog, kHelpTopicListItem, &view);
    InsetRect(&view, kListInset, kListInset);
    view.right = SInt16(view.right - kListScrollBarWidth);
    const ListBounds dataBounds = {0, 0, 0, 1};
    const Point defaultCellSize = {0, 0};
    rec->topicList = LNew(&view, &dataBounds, defaultCellSize, kStandardListDefinition,
                          GetDialogWindow(rec->dialog), false, false, false, true);
    return rec->topicList ? noErr : memFullErr;
}

OSErr ReadTopics(HelpDlgRec* rec, short helpID, short secondHelpID, short excludeCount,
                 const short* excludeList) {
    OSErr err = ReadModelessHelpDialogInfo(rec, helpID, excludeCount, excludeList);
    if (err == noErr && secondHelpID != 0)
        err = ReadModelessHelpDialogInfo(rec, secondHelpID, excludeCount, excludeList);
    return err;
}

// The text is laid out without a bottom limit and scrolled through the view.
OSErr MakeText(HelpDlgRec* rec) {
    Rect view;
    GetDialogItemBox(rec->dialog, kHelpTextItem, &view);
    InsetRect(&view, kTextInset, kTextInset);
    Rect dest = view;
    dest.bottom = kTextDestBottom;
    rec->textEdit = TEStyleNew(&dest, &view);
    return rec->textEdit ? noErr : memFullErr;
}

// An item list whose item 3 is not a control gives no scroll bar.
OSErr TakeScrollBar(HelpDlgRec* rec) {
    DialogItemType type;
    Handle item;
    Rect box;
    GetDialogItem(rec->dialog, kHelpScrollBarItem, &type, &item, &box);
    const DialogItemType kind = DialogItemType(type & ~itemDisable);
    if (kind < ctrlItem || kind > ctrlItem + resCtrl) return resNotFound;
    rec->scrollBar = reinterpret_cast<ControlRef>(item);
    SetControlMinimum(rec->scrollBar, 0);
    return noErr;
}

OSErr FillHelpWindow(HelpDlgRec* rec, short helpID, short secondHelpID, short excludeCount,
                     const short* excludeList) {
    OSErr err = InstallProcedures(rec);
    if (err == noErr) {
        SetProductNameToModelessHelpDialogTitle(rec);
        err = MakeTopicList(rec);
    }
    if (err == noErr) err = ReadTopics(rec, helpID, secondHelpID, excludeCount, excludeList);
    if (err == noErr) {
        SetListSelectionFlags(rec->topicList, lOnlyOne);
        rec->currentTopic = 0;
        err = MakeText(rec);
    }
    if (err == noErr) err = TakeScrollBar(rec);
    if (err == noErr) {
        ChangeTheModelessHelpDialogMessage(rec, 0);
        SetModelessHelpDialogScrollBarStatus(rec);
        ShowWindow(GetDialogWindow(rec->dialog));
    }
    return err;
}

} // namespace

DialogRef DisplayModelessHelp(short dialogID, short helpID, Boolean showVersion, short secondHelpID,
                              short excludeCount, const short* excludeList) {
    auto* rec = reinterpret_cast<HelpDlgRec*>(NewPtrClear(sizeof(HelpDlgRec)));
    if (!rec) return nullptr;
    rec->appearanceAvailable = AppearanceManagerAvailable();
    rec->showVersion = showVersion;
    rec->dialogID = dialogID;
    rec->dialog = MyAppearanceSavvyGetNewDialog(dialogID, nullptr, reinterpret_cast<WindowRef>(-1));
    if (!rec->dialog) {
        DisposePtr(reinterpret_cast<Ptr>(rec));
        return nullptr;
    }
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(rec->dialog));
    SetWRefCon(GetDialogWindow(rec->dialog), reinterpret_cast<SRefCon>(rec));
    DialogRef dialog = rec->dialog;
    if (FillHelpWindow(rec, helpID, secondHelpID, excludeCount, excludeList) != noErr)
        DisposeModelessHelpDialog(&dialog);
    return dialog;
}
