// Test support for the application shell: the application's resources, a headless display, and
// a context whose preferences file, with an empty resource fork, lies in a temporary folder.
#pragma once

#include "Korvane/Shell/GlueRec.h"
#include "Korvane/Shell/SavedDialogPosition.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "MorrowCommon_2/MyResFile.h"
#include "Platform/MacMemory.h"
#include "Platform/PlatformTesting.h"
#include "Platform/Resources.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/SavedPositions.h"
#include "TestSupport/TempFolder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <optional>

namespace testsupport {

class ShellFixture : public ::testing::Test {
  protected:
    ShellFixture() {
        PlatformResetResourceChain();
        FSSpec& prefs = context.prefsFileSpec;
        FindPreferencesFolder(&prefs.vRefNum, &prefs.parID);
        std::memcpy(prefs.name, "\x13Korvane Preferences", 20);
        MyCreateResFile(&prefs);
    }
    ~ShellFixture() override { PlatformResetResourceChain(); }

    // The 'WPOS' record as the preferences file holds it.
    std::optional<DialogPositionRec> SavedPosition(SInt16 dialogID) {
        return ReadSavedPosition(&context.prefsFileSpec, dialogID);
    }

    ScopedDomains domains;
    PlatformScopedMainBundle bundle{KORVANE_BUILD_BUNDLE};
    HeadlessDriver display;
    GlueRec context{};
};

} // namespace testsupport

inline bool operator==(const DialogPositionRec& a, const DialogPositionRec& b) {
    return a.top == b.top && a.left == b.left;
}
