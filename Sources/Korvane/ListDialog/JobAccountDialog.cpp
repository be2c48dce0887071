#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/StatusLine.h"

#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/UndoHistory.h"
#include "Korvane/DataStore/UntakenLinesAlert.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/EntryEditor/NewJobAccountDialog.h"
#include "Korvane/Shell/EventLoop.h"
#include "Korvane/Shell/Globals.h"
#include "Korvane/Shell/SavedDialogPosition.h"
#include "MorrowCommon_2/AppearanceManagerAvailable.h"
#include "MorrowCommon_2/ModelessHelpDialog.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/Appearance.h"
#include "Platform/MacMemory.h"
#include "Platform/Menus.h"

namespace {

constexpr short kRecoverChangesAlert = 1019;
constexpr short kRecoverItem = 1;

OSErr AllocateSettingPrivate(GlueRec* context) {
    SettingPrivateRec* setting = (SettingPrivateRec*)NewPtrClear(sizeof(SettingPrivateRec));
    if (setting == nullptr) return memFullErr;
    context->settingPrivate = setting;
    setting->entries = (JASettingBlock*)NewPtrClear(sizeof(JASettingBlock));
    if (setting->entries == nullptr) return memFullErr;
    setting->importEntries = (JASettingBlock*)NewPtrClear(sizeof(JASettingBlock));
    if (setting->importEntries == nullptr) return memFullErr;
    setting->listDrawProc = NewUserItemUPP(UpdateJobAccountDialogList);
    return setting->listDrawProc == nullptr ? memFullErr : noErr;
}

ListHandle NewEntryList(DialogRef dialog) {
    Rect view;
    GetDialogItemBox(dialog, kJAItemList, &view);
    view.right -= 15; // room for the scroll bar
    ListBounds data = {0, 0, 0, 2};
    Point defaultCellSize = {0, 0};
    ListHandle list =
        LNew(&view, &data, defaultCellSize, 0, GetDialogWindow(dialog), false, false, false, true);
    if (list != nullptr) SetListSelectionFlags(list, lOnlyOne);
    return list;
}

void SetEntryRow(ListHandle list, SInt16 row, const JASetting* entry) {
    const SInt16 userBytes = JABytesOfFirstCharacters(entry->userName + 1, entry->userName[0],
                                                      kJAShownUserNameCharacters);
    LSetCell(entry->userName + 1, userBytes, Cell{row, 0}, list);
    LSetCell(entry->accountID + 1, entry->accountID[0], Cell{row, 1}, list);
}

void SetItemActive(DialogRef dialog, short item, bool active) {
    if (active)
        MySetControlActive(dialog, item);
    else
        MySetControlInactive(dialog, item);
}

} // namespace

SInt16 JABytesOfFirstCharacters(const unsigned char* text, SInt16 length, int characters) {
    SInt16 at = 0;
    for (int seen = 0; at < length; ++at) {
        const bool starts = (text[at] & 0xC0) != 0x80;
        if (starts && seen++ == characters) break;
    }
    return at;
}

OSErr ShowJobAccountDialog(GlueRec* context) {
    DialogRef dialog = GetSavedDialog(context, kJobAccountDialogID, nullptr, WindowRef(-1));
    if (dialog == nullptr) return resNotFound;
    context->jobAccountDialog = dialog;
    DrawMenuBar();
    OSErr err = AEInstallEventHandler(kCoreEventClass, kAEQuitApplication,
                                      NewAEEventHandlerUPP(QuitAppleEventHandler), 0, false);
    if (err != noErr) return err;
    err = AllocateSettingPrivate(context);
    if (err != noErr) return err;
    SetWRefCon(GetDialogWindow(dialog), SRefCon(context));
    SetDialogItemControlHandle(dialog, kJAItemList,
                               ControlRef(context->settingPrivate->listDrawProc));
    err = ReceiveJobAccountDialogsSetting(context);
    if (err != noErr) return err;
    HiliteJobAccountDialogButtons(context);
    MySetControlInactive(dialog, kJAItemEdit);
    MySetControlInactive(dialog, kJAItemDelete);
    ShowWindow(GetDialogWindow(dialog));
    DrawDialog(dialog);
    // Said at once, so that nobody edits a list believing it holds the whole file.
    if (context->jaUntaken.count > 0) UntakenLinesAlert(context->jaUntaken, kUntakenLinesAlert);
    return noErr;
}

OSErr ReceiveJobAccountDialogsSetting(GlueRec* context) {
    // Changes that a run killed or crashed never saved are offered once, never overwritten unasked.
    Boolean recover = false;
    if (context->workingCopyLeftOver) {
        context->workingCopyLeftOver = false;
        const Boolean offered = LeftoverHoldsUnsavedChanges(context);
        recover = offered && CautionAlert(kRecoverChangesAlert, nullptr) == kRecoverItem;
        // Discarded means gone, also where there is no file to copy over it.
        if (offered && !recover) ReplaceFileContents(&context->tempFileSpec, "", 0);
    }
    OSErr err =
        recover ? NoteJAPrefsKeepingTemporary(context) : CopyJAPrefsFromToTemporary(context);
    if (err != noErr) return err;
    err = JobAccountDialogReadFromTemporary(context);
    if (err != noErr) return err;
    if (recover) {
        // Which file the changes were made from is not known: the first Save asks before it
        // replaces whatever the file holds now.
        ForgetJAFileIdentity(context);
        SAVE_BUTTON_Flag = true;
    }
    ForgetListChanges(); // Undo goes back to the list as it opened, no further
    ShowFirstJAPage(context->settingPrivate);
    return SetJobAccountDialogControls(context);
}

OSErr SetJobAccountDialogControls(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    DialogRef dialog = context->jobAccountDialog;
    if (setting->theList != nullptr) {
        LDelRow(0, 0, setting->theList);
    } else {
        setting->theList = NewEntryList(dialog);
        if (setting->theList == nullptr) return memFullErr;
    }
    ListHandle list = setting->theList;
    if (setting->lastShown > 0) {
        SInt16 rows = SInt16(setting->lastShown - setting->firstShown + 1);
        LAddRow(rows, (*list)->dataBounds.bottom, list);
        for (SInt16 row = 0; row < rows; ++row)
            SetEntryRow(list, row, &setting->entries->records[JARecordIndexOfRow(setting, row)]);
    }
    LSetDrawingMode(true, list);
    ShowWindow(GetDialogWindow(dialog));
    UpdateJobAccountDialogList(dialog, kJAItemList);
    return noErr;
}

void UpdateJobAccountDialogList(DialogRef dialog, DialogItemIndex item) {
    SaveAndRestoreTheGrafPortClass port(GetDialogPort(dialog));
    GlueRec* context = (GlueRec*)GetWRefCon(GetDialogWindow(dialog));
    if (context == nullptr || context->settingPrivate == nullptr) return;
    ListHandle list = context->settingPrivate->theList;
    if (list == nullptr) return;
    Rect box;
    GetDialogItemBox(dialog, item, &box);
    RgnHandle region = NewRgn();
    if (region != nullptr) {
        RectRgn(region, &box);
        LUpdate(region, list);
        DisposeRgn(region);
    }
    if (AppearanceManagerAvailable()) {
        DrawThemeListBoxFrame(&box, kThemeStateActive);
        DrawThemeFocusRect(&box, true);
    } else {
        PenState pen;
        GetPenState(&pen);
        PenNormal();
        InsetRect(&box, -1, -1);
        FrameRect(&box);
        SetPenState(&pen);
    }
}

Boolean JASelectedRow(const GlueRec* context, short* row) {
    if (context->settingPrivate == nullptr || context->settingPrivate->theList == nullptr)
        return false;
    Cell cell = {0, 0};
    if (!LGetSelect(true, &cell, context->settingPrivate->theList)) return false;
    *row = cell.v;
    return true;
}

void HiliteJobAccountDialogButtons(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    DialogRef dialog = context->jobAccountDialog;
    if (setting == nullptr || dialog == nullptr) return;
    short row;
    bool selected = JASelectedRow(context, &row);
    bool editing = setting->newEditDialog != nullptr;
    SInt16 count = setting->entries->entryCount;
    SInt16 last = setting->lastShown;
    bool paged = count > kJAEntriesPerPage;
    SetItemActive(dialog, kJAItemEdit, selected && !editing);
    SetItemActive(dialog, kJAItemDelete, selected && !editing);
    SetItemActive(dialog, kJAItemNew, !editing);
    SetItemActive(dialog, kJAItemHelp, !editing);
    SetItemActive(dialog, kJAItemDeleteAll, count != 0 && !editing);
    SetItemActive(dialog, kJAItemNextPage, paged && (last <= kJAEntriesPerPage || count > last));
    SetItemActive(dialog, kJAItemPreviousPage, paged && last > kJAEntriesPerPage);
    SetItemActive(dialog, kJAItemSave, SAVE_BUTTON_Flag && !editing);
    ShowJAStatusLine(context);
}

OSErr TerminateJobAccountDialog(GlueRec* context, DialogRef) {
    if (context->settingPrivate == nullptr) return noErr;
    DisposeNewJobAccountDialog(context);
    DisposeModelessHelpDialog(&context->settingPrivate->helpDialog);
    return noErr;
}
