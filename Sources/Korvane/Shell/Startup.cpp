#include "Korvane/Shell/Startup.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/WorkingCopyLock.h"
#include "Korvane/ImportExport/Export.h"
#include "Korvane/Shell/EventLoop.h"
#include "Korvane/Shell/GetStringFromPlist.h"
#include "Korvane/Shell/Globals.h"
#include "Korvane/Shell/ShowAlert.h"
#include "Korvane/Shell/Shutdown.h"
#include "MorrowCommon_2/FileRefNumToFileLocation.h"
#include "MorrowCommon_2/MyCreateFile.h"
#include "MorrowCommon_2/MyFileTypeAndCreator.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "MorrowCommon_2/MyResFile.h"
#include "Platform/CarbonEvents.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "Platform/Script.h"
#include "Platform/TextEdit.h"
#include "Utility/Utility.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr short kSaveBeforeQuittingAlert = 1009;
constexpr short kSaveItem = 1, kQuitCancelItem = 4;
constexpr short kListInUseAlert = 1014;

// The application preferences file, with its resource fork for the saved dialog positions.
OSErr FindOrCreatePrefsFile(GlueRec* context) {
    OSErr err = FindNamedFile(&context->prefsFileSpec);
    if (err != fnfErr) return err;
    err = MyOnlyCreateFile(&context->prefsFileSpec);
    if (err == noErr)
        err = MySetFileTypeAndCreator(&context->prefsFileSpec, FOUR_CHAR_CODE("pref"),
                                      FOUR_CHAR_CODE("Wqtz"));
    if (err == noErr) err = MyCreateResFile(&context->prefsFileSpec);
    return err;
}

// A working copy left by a run that ended abnormally is reused.
OSErr FindOrCreateWorkingCopy(GlueRec* context) {
    FSSpec& temp = context->tempFileSpec;
    temp.vRefNum = context->prefsFileSpec.vRefNum;
    temp.parID = context->prefsFileSpec.parID;
    MyPStrCopy(kWorkingCopyName, temp.name);
    OSErr err = FindNamedFile(&temp);
    if (err == fnfErr) {
        FSpCreate(&temp, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), smSystemScript);
        return noErr;
    }
    // Its changes, if it holds any, are offered when the list opens.
    context->workingCopyLeftOver = err == noErr;
    return err;
}

OSErr LoadMenuBar() {
    IBNibRef nib;
    OSStatus status = CreateNibReference(CFSTR("Korvane"), &nib);
    if (status != noErr) return OSErr(status);
    makeMenu(nib);
    DisposeNibReference(nib);
    return noErr;
}

void RunMainLoop(GlueRec* context, OSErr* status) {
    while (!gquit) {
        RunMainLoopTurn(context);
        OSErr commit = AskToSaveBeforeQuitting(context);
        if (commit != noErr) *status = commit;
    }
}

} // namespace

OSErr Initialize() {
    gInBackground = false;
    gquit = false;
    gNavEventProc = NewNavEventUPP(MyEventProc);
    InitCursor();
    InitNSApp();
    EventRecord ignored;
    for (int i = 0; i < 3; ++i)
        EventAvail(everyEvent, &ignored);
    return noErr;
}

void Do() {
    OSErr status = memFullErr;
    GlueRec* context = (GlueRec*)NewPtrClear(sizeof(GlueRec));
    if (context != nullptr) {
        context->appResRefNum = CurResFile();
        status = DoInit(context);
        if (status == noErr) {
            TEFromScrap();
            ResumeEvent(context);
            RunMainLoop(context, &status);
        }
    }
    // Another run of this user's has the list open: its working copy is left alone.
    if (status == opWrErr && !WorkingCopyLocked())
        StopAlert(kListInUseAlert, nullptr);
    else if (status != noErr)
        ShowAlert(context, status);
    if (context != nullptr) {
        DoTerminate(context);
        DisposePtr(Ptr(context));
    }
    ClearCurrentScrap();
    TEToScrap();
}

OSErr DoInit(GlueRec* context) {
    OSErr err = FileRefNumToFileLocation(context->appResRefNum, &context->appFileSpec, nullptr);
    if (err == noErr)
        err = FindPreferencesFolder(&context->prefsFileSpec.vRefNum, &context->prefsFileSpec.parID);
    if (err != noErr) return err;
    getPStringFromPlist(context->prefsFileSpec.name, CFSTR("Preferences File Name"));
    err = FindOrCreatePrefsFile(context);
    if (err == noErr) err = LockWorkingCopy(context);
    if (err == noErr) err = FindOrCreateWorkingCopy(context);
    if (err != noErr) return err;
    // A location that cannot be composed leaves the paths empty; the commit then refuses them.
    SetJAFileLocations(context);
    err = LoadMenuBar();
    if (err != noErr) return err;
    setupApplicationEvent(context);
    return noErr;
}

OSStatus setupApplicationEvent(GlueRec* context) {
    EventTypeSpec commandEvent = {kEventClassCommand, kEventCommandProcess};
    return InstallApplicationEventHandler(NewEventHandlerUPP(carbonEventHandler), 1, &commandEvent,
                                          context, nullptr);
}

// Without a menu bar nothing could be chosen, not even Quit: the run ends at once, and says why.
void makeMenu(IBNibRef nib) {
    const OSStatus err = SetMenuBarFromNib(nib, CFSTR("MainMenu"));
    if (err == noErr) return;
    std::fprintf(stderr,
                 "korvane: cannot set the menu bar \"MainMenu\" from the interface file "
                 "\"Korvane\" (error %d); the build or the installation is incomplete\n",
                 int(err));
    std::exit(3);
}

OSErr AskToSaveBeforeQuitting(GlueRec* context) {
    if (!gquit || context->jobAccountDialog == nullptr || !SAVE_BUTTON_Flag) return noErr;
    const short answer = CautionAlert(kSaveBeforeQuittingAlert, nullptr);
    if (answer == kQuitCancelItem) gquit = false;
    if (answer != kSaveItem) return noErr;
    OSErr status = CopyFromTemporaryToJAPrefs(context);
    if (status != noErr) ShowAlert(context, status);
    // Without the right nothing was written; after a failed commit the file may be behind the
    // working copy. Either way the changes exist only in the working copy, which the end of the
    // run would delete, so the program keeps running.
    if (!AUTH_CREATEL_Flag || status != noErr) {
        gquit = false;
        return noErr;
    }
    return status;
}
