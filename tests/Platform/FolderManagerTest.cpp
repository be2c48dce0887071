#include "Platform/Folders.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(FolderManager, PreferencesFoldersOfBothDomainsAreFoundAndCreated) {
    ScopedDomains domains;
    SInt16 vRefNum = 0;
    SInt32 dirID = 0;
    EXPECT_EQ(FindFolder(kUserDomain, kPreferencesFolderType, kDontCreateFolder, &vRefNum, &dirID),
              fnfErr);
    ASSERT_EQ(FindFolder(kOnSystemDisk, kPreferencesFolderType, kCreateFolder, &vRefNum, &dirID),
              noErr);
    EXPECT_TRUE(std::filesystem::is_directory(domains.userPreferences()));
    FolderLocation user = LocateFolderPath(domains.userPreferences());
    EXPECT_EQ(dirID, user.dirID);
    EXPECT_EQ(vRefNum, user.vRefNum);

    ASSERT_EQ(FindFolder(kLocalDomain, kPreferencesFolderType, kCreateFolder, &vRefNum, &dirID),
              noErr);
    EXPECT_EQ(dirID, LocateFolderPath(domains.localRoot() + "/etc").dirID);

    EXPECT_EQ(FindFolder(kUserDomain, FOUR_CHAR_CODE("none"), kCreateFolder, &vRefNum, &dirID),
              fnfErr);
}

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
