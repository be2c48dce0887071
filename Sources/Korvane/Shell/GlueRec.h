// The application context: one per run, allocated zero-filled and handed to nearly every routine.
// Plain data: zero bytes are its empty state.
#pragma once

#include "Korvane/DataStore/JAFileIdentity.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Platform/Dialogs.h"
#include "Platform/Events.h"
#include "Platform/Files.h"
#include "Platform/MacTypes.h"
#include "Platform/MacWindows.h"
#include "Platform/Menus.h"
#include "Platform/Navigation.h"

struct SettingPrivateRec;

constexpr size_t kJAFolderPathSize = 100;
constexpr size_t kJAFilePathSize = 102;

struct GlueRec {
    DialogRef jobAccountDialog;
    EventRecord theEvent;
    Handle menuBar;
    MenuHandle editMenu;
    FSSpec appFileSpec;
    FSSpec prefsFileSpec;
    FSSpec tempFileSpec;
    SInt16 appResRefNum;
    SettingPrivateRec* settingPrivate;
    SInt32 tempTextLength;
    SInt32 importFileLength;
    FSSpec importFileSpec; // the file the import read, named in its closing alert
    FSSpec jaFileSpec;
    Ptr textOut;
    Ptr lineBuffer;
    Ptr importFileText;
    Ptr tempText;
    WindowRef exportParentWindow;
    NavDialogRef navDialog;
    FSRef exportFileRef;
    char jaFolderPath[kJAFolderPathSize];
    char jaFilePath[kJAFilePathSize];
    char jaMoveFolderPath[kJAFolderPathSize]; // where the next commit moves the file; empty once
                                              // there
    char jaMovedFromPath[kJAFilePathSize];    // where the last commit moved it from, until said
    JAFileIdentityRec jaFileIdentity;         // the file as the working copy last matched it
    JAUntakenLines jaUntaken;                 // its lines the list cannot keep as they stand
    OSErr jaCopyErr;                          // why it could not be copied into the working copy
    Boolean workingCopyLeftOver;              // an earlier run's working copy was there at start-up
};
