#include "Platform/Folders.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(FolderManager, UserPreferencesFallBackToTheHomeConfigFolder) {
    TempFolder home;
    ScopedEnv noConfig("XDG_CONFIG_HOME", "");
    ScopedEnv movedHome("HOME", home.str());
    SInt16 vRefNum = 0;
    SInt32 dirID = 0;
    ASSERT_EQ(FindFolder(kUserDomain, kPreferencesFolderType, kCreateFolder, &vRefNum, &dirID),
              noErr);
    EXPECT_EQ(dirID, LocateFolderPath(home / ".config").dirID);
}
