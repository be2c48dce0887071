// Test support for the job-accounting data store: a context as start-up leaves it, with the
// user's and the local domain's folders in a temporary folder.
#pragma once

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/Shell/Globals.h"
#include "Korvane/Shell/GlueRec.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacMemory.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/AuthorizationSupport.h"
#include "TestSupport/FileContents.h"
#include "TestSupport/PString.h"
#include "TestSupport/TempFolder.h"

#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace testsupport {

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline JASetting Entry(const std::string& login, const std::string& id, const std::string& user) {
    JASetting entry{};
    SetPascal(entry.loginName, login);
    SetPascal(entry.accountID, id);
    SetPascal(entry.userName, user);
    return entry;
}

// The context, the list's state record and its entry block, the working copy "QZJA.temp" in the
// user's Preferences folder, and the job-accounting paths composed from the build's bundle.
class StoreContext {
  public:
    StoreContext() : bundle_(KORVANE_BUILD_BUNDLE) {
        ResetGlobals();
        context = reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)));
        setting = reinterpret_cast<SettingPrivateRec*>(NewPtrClear(sizeof(SettingPrivateRec)));
        entries = reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
        context->settingPrivate = setting;
        setting->entries = entries;
        FSSpec& temp = context->tempFileSpec;
        FindPreferencesFolder(&temp.vRefNum, &temp.parID);
        SetPascal(temp.name, "QZJA.temp");
        FSpCreate(&temp, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1);
        locationsErr = SetJAFileLocations(context);
    }
    ~StoreContext() {
        ReleaseJARight();
        DisposePtr(reinterpret_cast<Ptr>(entries));
        DisposePtr(reinterpret_cast<Ptr>(setting));
        DisposePtr(reinterpret_cast<Ptr>(context));
        ResetGlobals();
    }
    StoreContext(const StoreContext&) = delete;
    StoreContext& operator=(const StoreContext&) = delete;

    // What the list notes of the job-accounting file when it copies it, so that a commit takes
    // the file as it is now for the one the list started from.
    void NoteJAFile() {
        std::string text = ReadFileText(context->jaFilePath);
        NoteJAFileIdentity(context->jaFilePath, text.data(), SInt32(text.size()),
                           &context->jaFileIdentity);
    }

    std::string WorkingCopyPath() const { return domains_.userPreferences() + "/QZJA.temp"; }
    std::string LocalPreferences() const { return domains_.localRoot() + "/etc"; }
    std::string FolderPath() const { return LocalPreferences() + "/Korvane"; }
    std::string FilePath() const { return FolderPath() + "/JobAccounting"; }
    // Where earlier versions kept the file.
    std::string FormerFolderPath() const {
        return domains_.localRoot() + "/Library/Preferences/Korvane";
    }
    const TempFolder& Temp() const { return domains_.temp(); }

    void SetEntries(const std::vector<JASetting>& list) {
        for (size_t i = 0; i < list.size(); ++i)
            entries->records[i] = list[i];
        entries->entryCount = SInt16(list.size());
    }

    GlueRec* context;
    SettingPrivateRec* setting;
    JASettingBlock* entries;
    OSErr locationsErr;

  private:
    static void ResetGlobals() { gquit = SAVE_BUTTON_Flag = AUTH_CREATEL_Flag = false; }

    ScopedDomains domains_;
    PlatformScopedMainBundle bundle_;
};

class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : old_(umask(mask)) {}
    ~ScopedUmask() { umask(old_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

  private:
    mode_t old_;
};

} // namespace testsupport
