#include "Korvane/CommandLine/ListChange.h"

#include "Korvane/CommandLine/ListText.h"
#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStore/LoginNames.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/DataStore/WorkingCopyLock.h"
#include "Korvane/Shell/AlertText.h"
#include "Korvane/Shell/GetStringFromPlist.h"
#include "Korvane/Shell/Globals.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/AdministratorPrompt.h"
#include "Platform/Authorization.h"
#include "Platform/HostProcess.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr short kListInUseAlert = 1014;

} // namespace

OSErr LocateWorkingCopy(GlueRec* context) {
    OSErr err =
        FindPreferencesFolder(&context->prefsFileSpec.vRefNum, &context->prefsFileSpec.parID);
    if (err != noErr) return err;
    getPStringFromPlist(context->prefsFileSpec.name, CFSTR("Preferences File Name"));
    context->tempFileSpec = context->prefsFileSpec;
    MyPStrCopy(kWorkingCopyName, context->tempFileSpec.name);
    return SetJAFileLocations(context);
}

namespace {

// The right without asking anyone: a superuser has it. Otherwise a person at a terminal is asked
// there, on a line as sudo asks; with no one to ask, the change is refused before anything is
// written.
bool RightCanBeHad() {
    AuthorizationRef ref = nullptr;
    if (AuthorizationCreate(nullptr, nullptr, kAuthorizationFlagDefaults, &ref) != noErr)
        return false;
    AuthorizationItem right = {kAuthorizationRightExecute, 0, nullptr, 0};
    AuthorizationRights rights = {1, &right};
    OSStatus status =
        AuthorizationCopyRights(ref, &rights, nullptr, kAuthorizationFlagExtendRights, nullptr);
    AuthorizationFree(ref, kAuthorizationFlagDefaults);
    if (status == errAuthorizationSuccess) return true;
    if (!PlatformAtTerminal()) return false;
    PlatformAskOnTerminal("korvane");
    return true;
}

// What the commit's tools print (the name the right runs as, the helper's messages) is held
// back: standard output holds only what the subcommand reports, and standard error stays quiet
// unless the commit fails, when it shows what the tools said.
class ToolOutputHeldClass {
  public:
    ToolOutputHeldClass() : held_(PlatformHoldStandardOutput()) {}
    ~ToolOutputHeldClass() { PlatformReleaseStandardOutput(held_, show_); }
    ToolOutputHeldClass(const ToolOutputHeldClass&) = delete;
    ToolOutputHeldClass& operator=(const ToolOutputHeldClass&) = delete;
    void ShowOnRelease() { show_ = true; }

  private:
    PlatformHeldOutputRef held_;
    bool show_ = false;
};

bool LeftoverWorkingCopyHoldsText(GlueRec* context) {
    if (FindNamedFile(&context->tempFileSpec) != noErr) return false;
    ReleaseTextClass release(&context->tempText);
    return ReadWholeFile(&context->tempFileSpec, &context->tempText, &context->tempTextLength,
                         memFullErr) == noErr &&
           context->tempTextLength > 0;
}

std::string WorkingCopyPath(const GlueRec* context) {
    char path[1300];
    return ItemPath(&context->tempFileSpec, path, sizeof path) == noErr ? path : "the working copy";
}

int ReportChangedMeanwhile() {
    std::fprintf(stderr, "korvane: the job-accounting file changed meanwhile; nothing was saved. "
                         "Try again.\n");
    return kExitChangedMeanwhile;
}

} // namespace

ListChangeClass::ListChangeClass(OutputFormat format)
    : context_(reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)))),
      setting_(reinterpret_cast<SettingPrivateRec*>(NewPtrClear(sizeof(SettingPrivateRec)))),
      format_(format) {
    if (setting_) {
        setting_->entries = reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
        setting_->firstShown = 1; // new entries go where the editor puts them: first
    }
    if (context_) context_->settingPrivate = setting_;
}

ListChangeClass::~ListChangeClass() {
    if (workingCopyMade_) FSpDelete(&context_->tempFileSpec);
    UnlockWorkingCopy();
    if (setting_ && setting_->importEntries) {
        DisposePtr(setting_->importEntries->importText);
        DisposePtr(reinterpret_cast<Ptr>(setting_->importEntries));
    }
    if (setting_) DisposePtr(reinterpret_cast<Ptr>(setting_->entries));
    DisposePtr(reinterpret_cast<Ptr>(original_));
    DisposePtr(reinterpret_cast<Ptr>(setting_));
    DisposePtr(reinterpret_cast<Ptr>(context_));
}

int ListChangeClass::Begin() {
    if (!context_ || !setting_ || !setting_->entries)
        return ReportSystemError("out of memory", memFullErr);
    OSErr err = LocateWorkingCopy(context_);
    if (err != noErr) return ReportSystemError("cannot find the program's files", err);
    err = LockWorkingCopy(context_);
    if (err == opWrErr) {
        std::fprintf(stderr, "korvane: %s\n", AlertText(kListInUseAlert).c_str());
        return kExitListInUse;
    }
    // The working copy starts empty: what a crashed run left must not be committed, nor thrown
    // away while it may hold changes the program offers to recover.
    if (err == noErr && LeftoverWorkingCopyHoldsText(context_)) {
        std::fprintf(stderr,
                     "korvane: a run that ended abnormally left unsaved changes in %s; start "
                     "korvane to recover or discard them, then run this again\n",
                     WorkingCopyPath(context_).c_str());
        return kExitRefused;
    }
    if (err == noErr && FindNamedFile(&context_->tempFileSpec) == fnfErr)
        err = FSpCreate(&context_->tempFileSpec, kSettingsFileCreator, kSettingsFileType,
                        kSettingsFileScript);
    workingCopyMade_ = err == noErr;
    if (err == noErr) err = ReplaceFileContents(&context_->tempFileSpec, "", 0);
    if (err != noErr) return ReportSystemError("cannot make the working copy", err);
    err = CopyJAPrefsFromToTemporary(context_);
    if (err == noErr) err = JobAccountDialogReadFromTemporary(context_);
    return err == noErr ? KeepOriginal() : ReportJAFileError(context_, err);
}

int ListChangeClass::KeepOriginal() {
    const JASettingBlock* entries = setting_->entries;
    const Size used = Size(offsetof(JASettingBlock, records)) +
                      Size(sizeof(JASetting)) * Size(entries->entryCount);
    original_ = reinterpret_cast<JASettingBlock*>(NewPtr(used));
    if (!original_) return ReportSystemError("out of memory", memFullErr);
    std::memcpy(original_, entries, size_t(used));
    return kExitDone;
}

int ListChangeClass::ReadOnly() {
    if (!context_ || !setting_ || !setting_->entries)
        return ReportSystemError("out of memory", memFullErr);
    ReleaseTextClass release(&context_->tempText);
    OSErr err = ReadJAFileText(context_);
    if (err != noErr) return ReportJAFileError(context_, err);
    const auto* text = reinterpret_cast<const UInt8*>(context_->tempText);
    ReadJASettingText(text, context_->tempTextLength, setting_->entries);
    context_->jaUntaken = SurveyJASettingText(text, context_->tempTextLength);
    return kExitDone;
}

int ListChangeClass::RefuseUntakenLines(bool force) const {
    if (context_->jaUntaken.count == 0 || force) return kExitDone;
    std::fprintf(stderr,
                 "korvane: %s holds lines that cannot be kept as they stand (%ld in all, the "
                 "first at line %ld; korvane check names them), and saving would replace them; "
                 "nothing was saved. --force saves all the same\n",
                 context_->jaFilePath, long(context_->jaUntaken.count),
                 long(context_->jaUntaken.firstLine));
    return kExitRefused;
}

int ListChangeClass::Commit(bool force) {
    const JASettingBlock* entries = setting_->entries;
    unchanged_ = original_ && entries->entryCount == original_->entryCount &&
                 std::equal(entries->records, entries->records + entries->entryCount,
                            original_->records, SameAccount);
    if (unchanged_) return kExitDone;
    if (const int status = RefuseUntakenLines(force)) return status;
    OSErr err = SaveJASettingToJATemp(context_);
    if (err != noErr) return ReportSystemError("cannot write the working copy", err);
    if (JAFileChangedSince(context_->jaFilePath, &context_->jaFileIdentity))
        return ReportChangedMeanwhile();
    if (!RightCanBeHad()) {
        std::fprintf(stderr, "korvane: saving the list needs administrator rights; run "
                             "this as root (for example with sudo)\n");
        return kExitRefused;
    }
    {
        ToolOutputHeldClass toolOutput;
        err = CommitWorkingCopy(context_, false);
        if (err != noErr || !AUTH_CREATEL_Flag) toolOutput.ShowOnRelease();
    }
    if (err == kJAFileChangedErr) return ReportChangedMeanwhile();
    if (err == kJAFileNotFlushedErr)
        return ReportSystemError("the job-accounting file was replaced", err);
    if (err != noErr) return ReportSystemError("the list could not be saved", err);
    if (!AUTH_CREATEL_Flag) {
        std::fprintf(stderr, "korvane: administrator rights refused; nothing was saved\n");
        return kExitRefused;
    }
    if (MovedFrom() && format_ == OutputFormat::Text)
        std::printf("moved %s to %s\n", MovedFrom(), context_->jaFilePath);
    return kExitDone;
}

const char* ListChangeClass::MovedFrom() const {
    return context_ && context_->jaMovedFromPath[0] ? context_->jaMovedFromPath : nullptr;
}

JASettingBlock* ListChangeClass::ImportStaging() {
    if (setting_ && !setting_->importEntries)
        setting_->importEntries =
            reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
    return setting_ ? setting_->importEntries : nullptr;
}

SInt16 FindLogin(const JASettingBlock* entries, const char* login) {
    for (SInt16 i = 0; i < entries->entryCount; ++i)
        if (SameLoginName(entries->records[i].loginName, login)) return i;
    return -1;
}

bool IsOption(const char* argument) {
    return argument[0] == '-' && argument[1] == '-';
}

bool TakeFlag(int* argc, char** argv, const char* flag) {
    char** end = std::remove_if(argv + 1, argv + *argc, [flag](const char* argument) {
        return !std::strcmp(argument, flag);
    });
    const bool found = end != argv + *argc;
    *argc = int(end - argv);
    argv[*argc] = nullptr;
    return found;
}
