// The list dialog open on a list of a given length, its working copy in a temporary folder, as
// the benchmarks of editing and of painting need it.
#pragma once

#include "BenchEntries.h"
#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialogActions.h"
#include "Korvane/Shell/GlueRec.h"
#include "Korvane/Shell/Shutdown.h"
#include "Platform/MacMemory.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/TempFolder.h"
#include "Utility/Utility.h"

namespace bench {

// The list dialog open on a full list, its working copy in a temporary folder.
class OpenList {
  public:
    explicit OpenList(SInt16 entries) {
        context_ = reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)));
        std::string temp = domains_.temp() / "QZJA.temp";
        PathToFSSpec(temp.c_str(), &context_->tempFileSpec);
        FSpCreate(&context_->tempFileSpec, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1);
        ok_ = ShowJobAccountDialog(context_) == noErr;
        if (!ok_) return;
        bench::FillEntries(setting()->entries, entries);
        ShowFirstJAPage(setting());
        ok_ = Commit() == noErr;
    }
    ~OpenList() {
        DisposeAllDialogs(context_);
        DisposePtr(reinterpret_cast<Ptr>(context_));
    }
    OpenList(const OpenList&) = delete;
    OpenList& operator=(const OpenList&) = delete;

    // What follows every change of the list.
    OSErr Commit() {
        OSErr err = SaveJASettingToJATemp(context_);
        if (err == noErr) err = JobAccountDialogReadFromTemporary(context_);
        if (err == noErr) err = SetJobAccountDialogControls(context_);
        return err;
    }

    bool ok() const { return ok_; }
    GlueRec* context() const { return context_; }
    SettingPrivateRec* setting() const { return context_->settingPrivate; }
    std::string path() const { return domains_.temp() / "QZJA.temp"; }

  private:
    testsupport::ScopedDomains domains_;
    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
    GlueRec* context_;
    bool ok_ = false;
};

} // namespace bench
