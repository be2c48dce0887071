#include "Korvane/Shell/EventLoop.h"

#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ImportExport/Export.h"
#include "Korvane/ListDialog/JASelectRecord.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialogActions.h"
#include "Korvane/ListDialog/ListKeys.h"
#include "Korvane/ListDialog/TypeSelect.h"
#include "Korvane/Shell/Globals.h"
#include "Korvane/Shell/MenuCommands.h"
#include "Korvane/Shell/ShowAlert.h"
#include "Korvane/Shell/Shutdown.h"
#include "MorrowCommon_2/ModelessHelpDialog.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacMemory.h"

namespace {

constexpr UInt32 kSleepForever = 0x7FFFFFFF;

DialogRef EditorDialog(const GlueRec* context) {
    return context->settingPrivate ? context->settingPrivate->newEditDialog : nullptr;
}

DialogRef HelpDialog(const GlueRec* context) {
    return context->settingPrivate ? context->settingPrivate->helpDialog : nullptr;
}

Boolean ListHasSelection(const GlueRec* context) {
    short row;
    return JASelectedRow(context, &row);
}

// A click in the list selects whole rows; a double click edits the row.
void ClickInList(GlueRec* context, DialogRef dialog, Point where, EventModifiers modifiers) {
    ListHandle list = context->settingPrivate->theList;
    Cell before = {0, 0}, after = {0, 0};
    Boolean hadSelection = LGetSelect(true, &before, list);
    lClickValue = LClick(where, modifiers, list);
    Boolean hasSelection = LGetSelect(true, &after, list);
    if (hadSelection) JASelectListRow(list, before.v, false);
    if (!hasSelection) {
        LAutoScroll(list);
        return;
    }
    JASelectListRow(list, after.v, true);
    HiliteJobAccountDialogButtons(context);
    if (lClickValue && EditorDialog(context) == nullptr) {
        MyHiliteControl10Ticks(dialog, kJAItemEdit);
        HandleJobAccountDialogButtons(context, kJAItemEdit);
    }
    HiliteJobAccountDialogButtons(context);
}

Boolean FilterListDialogEvent(GlueRec* context, DialogRef dialog, EventRecord* event) {
    if (context->settingPrivate == nullptr || context->settingPrivate->theList == nullptr)
        return true;
    if (GetDialogKeyboardFocusItem(dialog) == 0 && TypeSelectJAEntry(context, event)) return false;
    if (HandleListKey(context, dialog, event)) return false;
    if (event->what != mouseDown) return true;
    ListHandle list = context->settingPrivate->theList;
    Point where = event->where;
    GlobalToLocal(&where);
    ControlRef control;
    if (FindControl(where, GetDialogWindow(dialog), &control) > 0) {
        if (control == GetListVerticalScrollBar(list)) {
            LClick(where, event->modifiers, list);
            UpdateJobAccountDialogList(dialog, kJAItemList);
        }
        return true;
    }
    Rect view;
    GetListViewBounds(list, &view);
    if (PtInRect(where, &view)) ClickInList(context, dialog, where, event->modifiers);
    return true;
}

// Return, Enter and Escape press the editor's buttons, only while they are active.
Boolean FilterEditorEvent(GlueRec* context, DialogRef editor, const EventRecord* event) {
    if (event->what != keyDown && event->what != autoKey) return true;
    char key = char(event->message & charCodeMask);
    short item;
    if (key == kReturnCharCode || key == kEnterCharCode)
        item = 1;
    else if (key == kEscapeCharCode)
        item = 3;
    else
        return true;
    if (MyGetControlHilite(editor, item) == kControlNoPart) {
        MyHiliteControl10Ticks(editor, item);
        JobAccountDialogItemProc(context, editor, item);
    }
    return false;
}

Boolean FilterHelpEvent(GlueRec* context, DialogRef help, EventRecord* event) {
    DialogItemIndex item = 0;
    Boolean handled = ModelessHelpDialogFilterProc(help, event, &item);
    if (item != 0) JobAccountDialogItemProc(context, help, item);
    return !handled;
}

Boolean HandleMouseDown(GlueRec* context, EventRecord* event) {
    WindowRef window;
    WindowPartCode part = FindWindow(event->where, &window);
    switch (part) {
    case inMenuBar: {
        SInt32 chosen = MenuSelect(event->where);
        if ((chosen >> 16) != 0) {
            MenuCommand command = 0;
            GetMenuItemCommandID(GetMenuHandle(MenuID(chosen >> 16)),
                                 MenuItemIndex(chosen & 0xFFFF), &command);
            DoCommand(context, short(command & 0xFFFF), chosen, 0);
        }
        return true;
    }
    case inContent:
        if (window != FrontWindow()) {
            SysBeep(1);
            SelectWindow(window);
            return true;
        }
        return true; // the dialog dispatch takes the click
    case inDrag: {
        if (window != FrontWindow()) {
            SysBeep(1);
            return true;
        }
        BitMap screen;
        DragWindow(window, event->where, &GetQDGlobalsScreenBits(&screen)->bounds);
        return false;
    }
    case inGoAway:
        if (TrackGoAway(window, event->where)) gquit = true;
        return true;
    default:
        return true;
    }
}

void HandleSuspendResume(GlueRec* context, const EventRecord* event) {
    if (((event->message & osEvtMessageMask) >> 24) != suspendResumeMessage) return;
    gInBackground = (event->message & resumeFlag) == 0;
    DoActivate(context, FrontWindow(), !gInBackground);
}

void HandleEvent(GlueRec* context, EventRecord* event) {
    if (!FilterMainEvent(context, event)) return;
    if (lClickValue) {
        if (ListHasSelection(context) && EditorDialog(context) == nullptr)
            HandleJobAccountDialogButtons(context, kJAItemEdit);
        lClickValue = false;
        return;
    }
    DialogRef dialog;
    DialogItemIndex item;
    if (HandleMainCommonDialogEvent(context, event) && IsDialogEvent(event) &&
        DialogSelect(event, &dialog, &item))
        JobAccountDialogItemProc(context, dialog, item);
}

} // namespace

void RunMainLoopTurn(GlueRec* context) {
    EventRecord* event = &context->theEvent;
    if (!WaitNextEvent(everyEvent, event, kSleepForever, nullptr)) {
        DoDialogNullEvent(context);
        return;
    }
    HandleEvent(context, event);
    // A key equivalent is taken before the next event reaches the filter: the menus follow what
    // this one changed (Undo, Save) at once.
    AdjustMenusToFront(context);
}

short MenuStateOfDialog(const GlueRec* context, DialogRef dialog) {
    if (dialog == context->jobAccountDialog) return kMenuStateList;
    if (dialog != nullptr && dialog == EditorDialog(context)) return kMenuStateEditor;
    return kMenuStateOther;
}

void AdjustMenusToFront(GlueRec* context) {
    WindowRef front = FrontWindow();
    if (front == nullptr || GetWindowKind(front) != kDialogWindowKind) return;
    DialogRef dialog = GetDialogFromWindow(front);
    AdjustMenus(dialog, MenuStateOfDialog(context, dialog), false);
}

Boolean FilterMainEvent(GlueRec* context, EventRecord* event) {
    WindowRef front = FrontWindow();
    if (front == nullptr || GetWindowKind(front) != kDialogWindowKind) return true;
    DialogRef dialog = GetDialogFromWindow(front);
    AdjustMenus(dialog, MenuStateOfDialog(context, dialog), false);
    SaveAndRestoreTheGrafPortClass port(GetDialogPort(dialog));
    if (dialog == context->jobAccountDialog) return FilterListDialogEvent(context, dialog, event);
    if (dialog == EditorDialog(context)) return FilterEditorEvent(context, dialog, event);
    if (dialog == HelpDialog(context)) return FilterHelpEvent(context, dialog, event);
    return true;
}

Boolean HandleMainCommonDialogEvent(GlueRec* context, EventRecord* event) {
    switch (event->what) {
    case mouseDown:
        return HandleMouseDown(context, event);
    case keyDown:
    case autoKey: {
        // Command-E over the list dialog, or with it in front, starts the export: a terminal
        // has no pointer to put over it.
        WindowRef window = nullptr;
        FindWindow(event->where, &window);
        const WindowRef list =
            context->jobAccountDialog ? GetDialogWindow(context->jobAccountDialog) : nullptr;
        if (list != nullptr && (window == list || FrontWindow() == list) &&
            (event->modifiers & cmdKey) != 0 && (event->message & charCodeMask) == 'e')
            ExportFunc(context);
        return true;
    }
    case updateEvt:
        DoActivate(context, WindowRef(event->message), true);
        return true;
    case activateEvt:
        DoActivate(context, WindowRef(event->message), (event->modifiers & activeFlag) != 0);
        return true;
    case osEvt:
        HandleSuspendResume(context, event);
        return true;
    case kHighLevelEvent:
        AEProcessAppleEvent(event);
        return true;
    default:
        return true;
    }
}

void DoActivate(GlueRec* context, WindowRef window, Boolean becomingActive) {
    if (!IsAppWindow(window) || !becomingActive) return;
    GrafPtr saved;
    GetPort(&saved);
    RgnHandle visible = NewRgn();
    if (visible != nullptr) {
        BeginUpdate(window);
        GetPortVisibleRegion(GetWindowPort(window), visible);
        if (!EmptyRgn(visible)) DrawDialog(GetDialogFromWindow(window));
        EndUpdate(window);
        DisposeRgn(visible);
    }
    DialogRef dialog = GetDialogFromWindow(window);
    AdjustMenus(dialog, MenuStateOfDialog(context, dialog), false);
    SetPort(saved);
}

void DoDialogNullEvent(GlueRec* context) {
    WindowRef front = FrontWindow();
    if (front == nullptr || GetWindowKind(front) != kDialogWindowKind || gInBackground) return;
    SaveAndRestoreTheGrafPortClass port(GetWindowPort(front));
    DialogRef dialog;
    DialogItemIndex item;
    DialogSelect(&context->theEvent, &dialog, &item);
}

void ResumeEvent(GlueRec* context) {
    DisposeAllDialogs(context);
    OSErr err = ShowJobAccountDialog(context);
    if (err == noErr) return;
    DisposeAllDialogs(context);
    if (context->jaCopyErr != noErr)
        ShowJAFileNotReadAlert(context);
    else
        ShowAlert(context, err);
}

void SuspendEvent(GlueRec*) {}

OSStatus carbonEventHandler(EventHandlerCallRef, EventRef event, void* userData) {
    if (GetEventClass(event) != kEventClassCommand || GetEventKind(event) != kEventCommandProcess)
        return eventNotHandledErr;
    HICommand command = {};
    GetEventParameter(event, kEventParamDirectObject, typeHICommand, nullptr, sizeof command,
                      nullptr, &command);
    return DoCommand((GlueRec*)userData, short(command.commandID & 0xFFFF), 0, 0);
}

OSErr QuitAppleEventHandler(const AppleEvent*, AppleEvent*, SRefCon) {
    gquit = true;
    return noErr;
}

Boolean IsAppWindow(WindowRef window) {
    return window != nullptr && GetWindowKind(window) == kApplicationWindowKind;
}

Boolean DoCloseWindow(WindowRef window) {
    DisposeWindow(window);
    return true;
}

Boolean MoreDialogAvailable(GlueRec* context) {
    return EditorDialog(context) == nullptr && HelpDialog(context) == nullptr;
}
