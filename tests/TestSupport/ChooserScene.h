// Test support for the file choosers: a temporary folder that is also the home folder (so a
// chooser never lists the real one), files with Finder types in it, the system file's dialogs,
// and a headless display whose script answers the chooser.
#pragma once

#include "Platform/Files.h"
#include "Platform/PlatformTesting.h"
#include "Platform/Script.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/FinderInfo.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace testsupport {

class ChooserScene {
  public:
    ChooserScene() { PlatformResetResourceChain(); }
    ~ChooserScene() { PlatformResetResourceChain(); }
    ChooserScene(const ChooserScene&) = delete;
    ChooserScene& operator=(const ChooserScene&) = delete;

    // A file at the relative path, with a type (and Finder flags) when given.
    void File(const std::string& relative, OSType type = 0, UInt16 flags = 0) const {
        std::filesystem::path path = folder / relative;
        std::ofstream(path) << "contents of " << relative;
        if (type == 0 && flags == 0) return;
        FSSpec spec = SpecIn(path.parent_path().string(), path.filename().string());
        FInfo info{};
        ASSERT_EQ(GetFileFinderInfo(spec, &info), noErr);
        info.fdType = type;
        info.fdFlags = flags;
        ASSERT_EQ(SetFileFinderInfo(spec, info), noErr);
    }
    void Folder(const std::string& relative) const {
        std::filesystem::create_directories(folder.path() / relative);
    }
    std::string Path(const std::string& relative) const { return folder / relative; }

    // Input from now on comes from this script.
    void Script(const std::string& text) { display_.Script(text); }
    HeadlessDriver& Display() { return display_; }
    // The beeps so far: a chooser beeps at every path it cannot take.
    size_t Beeps() const {
        const std::string printed = display_.Printouts(), beep = "beep at tick";
        size_t count = 0;
        for (size_t at = printed.find(beep); at != std::string::npos;
             at = printed.find(beep, at + 1))
            ++count;
        return count;
    }

    TempFolder folder;

  private:
    ScopedEnv home_{"HOME", folder.str()};
    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
    HeadlessDriver display_;
};

} // namespace testsupport
