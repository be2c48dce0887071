// Navigation Services: the platform's file choosers. An open dialog chooses an existing file, a
// put-file dialog a folder and a new name. They are platform dialogs in the window model: a
// list of the folder shown (folders end in "/", sidecars never appear, ".." goes up) and a
// name field that opens with its text selected. Return confirms what the field says, as a path
// absolute or relative to the folder shown: a folder is entered, a file chosen, anything else
// beeps. Escape cancels.
//
// An application-modal dialog runs its own modal loop inside NavDialogRun or NavGetFile; the
// callback meanwhile receives the update and activate events of the other windows
// (kNavCBEvent). A window-modal dialog (a sheet on its parent window) returns from NavDialogRun
// at once; WaitNextEvent hands it the events aimed at it, and the callback receives
// kNavCBUserAction and kNavCBTerminate from inside the application's own event loop.
#pragma once

#include "Platform/AppleEvents.h"
#include "Platform/CoreFoundation.h"
#include "Platform/MacWindows.h"

typedef struct __NavDialog* NavDialogRef;
typedef NavDialogRef NavContext;
typedef SInt32 NavEventCallbackMessage;
typedef UInt32 NavUserAction;
typedef UInt32 NavDialogOptionFlags;
typedef SInt32 NavCustomControlMessage;
typedef UInt32 NavTranslationOptions;

// Callback selectors.
constexpr NavEventCallbackMessage kNavCBEvent = 0, kNavCBTerminate = 3, kNavCBUserAction = 12;

// What the user did to end a dialog; none while it runs or when the program ended it.
constexpr NavUserAction kNavUserActionNone = 0, kNavUserActionCancel = 1, kNavUserActionOpen = 2,
                        kNavUserActionSaveAs = 3;

// Option flags. Only one file is ever chosen, and the file types given are the only ones
// offered, whatever the flags say.
constexpr NavDialogOptionFlags kNavNoTypePopup = 0x00000001, kNavAllowMultipleFiles = 0x00000080,
                               kNavSelectAllReadableItem = 0x00000800;

// Ends a running dialog as if nobody had answered: the callback receives kNavCBTerminate only.
constexpr NavCustomControlMessage kNavCtlTerminate = 30;

constexpr NavTranslationOptions kNavTranslateInPlace = 0;
constexpr OSType kNavGenericSignature = FOUR_CHAR_CODE("****");

struct NavEventDataInfo {
    EventRecord* event;
};

struct NavEventData {
    NavEventDataInfo eventDataParms;
    SInt16 itemHit;
};

struct NavCBRec {
    UInt16 version;
    NavContext context;
    WindowRef window; // the dialog's window while it is open
    NavEventData eventData;
    NavUserAction userAction;
};
typedef NavCBRec* NavCBRecPtr;

typedef void (*NavEventProcPtr)(NavEventCallbackMessage callBackSelector, NavCBRecPtr callBackParms,
                                void* callBackUD);
typedef NavEventProcPtr NavEventUPP;
NavEventUPP NewNavEventUPP(NavEventProcPtr userRoutine);

// Not offered: NavGetFile answers paramErr when either is given.
typedef Boolean (*NavPreviewProcPtr)(NavCBRecPtr callBackParms, void* callBackUD);
typedef NavPreviewProcPtr NavPreviewUPP;
typedef Boolean (*NavObjectFilterProcPtr)(AEDesc* theItem, void* info, void* callBackUD,
                                          SInt16 filterMode);
typedef NavObjectFilterProcPtr NavObjectFilterUPP;

// The file types an open dialog offers, in a handle of 8 + 4 x osTypeCount bytes.
struct NavTypeList {
    OSType componentSignature;
    SInt16 reserved;
    SInt16 osTypeCount;
    OSType osType[1];
};
typedef NavTypeList* NavTypeListPtr;
typedef NavTypeListPtr* NavTypeListHandle;

// Options of NavGetFile. An empty window title keeps the dialog's own.
struct NavDialogOptions {
    UInt16 version;
    NavDialogOptionFlags dialogOptionFlags;
    Str255 clientName;
    Str255 windowTitle;
};

// Options of the dialogs made by NavCreatePutFileDialog. The strings belong to the caller.
// A sheet needs window-modal modality and a parent window; anything else is application-modal.
struct NavDialogCreationOptions {
    UInt16 version;
    NavDialogOptionFlags optionFlags;
    CFStringRef clientName;  // the window's title when there is no windowTitle
    CFStringRef windowTitle; // null keeps the dialog's own
    CFStringRef saveFileName;
    WindowModality modality;
    WindowRef parentWindow;
};

// What the user chose. Open: the file, as a file reference ('fsrf'; AEGetNthDesc turns it
// into an 'fss ' when asked). Put-file: the folder as a file reference and the name in
// saveFileName; replacing when the user agreed to replace a file of that name.
struct NavReplyRecord {
    UInt16 version;
    Boolean validRecord;
    Boolean replacing;
    Boolean isStationery;
    Boolean translationNeeded;
    AEDescList selection;
    ScriptCode keyScript;
    CFStringRef saveFileName; // released by NavDisposeReply
};

OSErr NavGetDefaultDialogOptions(NavDialogOptions* dialogOptions);
OSStatus NavGetDefaultDialogCreationOptions(NavDialogCreationOptions* outOptions);

// An application-modal open dialog, starting in the folder of defaultLocation ('fss ' or
// 'fsrf' naming a folder) or else the home folder. noErr with a valid reply, userCanceledErr
// after a cancel; eventProc receives kNavCBEvent only.
OSErr NavGetFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* dialogOptions,
                 NavEventUPP eventProc, NavPreviewUPP previewProc, NavObjectFilterUPP filterProc,
                 NavTypeListHandle typeList, void* callBackUD);

// A put-file dialog proposing the options' saveFileName, in the home folder.
OSStatus NavCreatePutFileDialog(const NavDialogCreationOptions* inOptions, OSType inFileType,
                                OSType inFileCreator, NavEventUPP inEventProc, void* inClientData,
                                NavDialogRef* outDialog);
// Shows the dialog. Application-modal: returns once the user has answered and the callback has
// had kNavCBUserAction and kNavCBTerminate. Sheet: returns at once.
OSStatus NavDialogRun(NavDialogRef inDialog);
OSStatus NavDialogGetReply(NavDialogRef inDialog, NavReplyRecord* outReply);
OSErr NavCustomControl(NavContext context, NavCustomControlMessage selector, void* parms);
// Also ends a dialog still running, without calling its callback.
void NavDialogDispose(NavDialogRef inDialog);

OSErr NavCompleteSave(const NavReplyRecord* reply, NavTranslationOptions howToTranslate);
OSErr NavDisposeReply(NavReplyRecord* reply);
