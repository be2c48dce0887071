#include "Utility/Utility.h"

#include "Platform/PlatformTesting.h"
#include "TestSupport/TempFolder.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <pwd.h>
#include <string>
#include <unistd.h>

using namespace testsupport;

TEST(InitNSApp, SkipsLoadingOnlyOnEarly109) {
    struct Case {
        SInt32 major, minor, patch;
        bool loads;
    };
    for (Case c : {Case{10, 9, 0, false}, Case{10, 9, 1, false}, Case{10, 9, 2, true},
                   Case{10, 8, 5, true}, Case{6, 1, 0, true}, Case{10, 9, -1, true}}) {
        PlatformScopedSystemVersion version(c.major, c.minor, c.patch);
        const unsigned long before = PlatformApplicationLoadCount();
        EXPECT_EQ(InitNSApp(), c.loads);
        EXPECT_EQ(PlatformApplicationLoadCount() - before, c.loads ? 1u : 0u)
            << c.major << "." << c.minor << "." << c.patch;
    }
}

TEST(StandardFolders, PathsAreCopiedOnlyWhenTheyFitWholly) {
    ScopedDomains domains;
    const std::string library = domains.localRoot() + "/Library";
    const std::string preferences = library + "/Preferences";
    char buffer[1024];
    ASSERT_TRUE(GetPreferencesFolderPathLocalDomain(buffer, sizeof buffer));
    EXPECT_EQ(buffer, preferences);
    ASSERT_TRUE(GetLocalCachesDirPath(buffer, sizeof buffer));
    EXPECT_EQ(buffer, library + "/Caches");
    ASSERT_TRUE(GetLocalApplicationSupportDirPath(buffer, sizeof buffer));
    EXPECT_EQ(buffer, library + "/Application Support");
    ASSERT_TRUE(GetPPDFolderPath(buffer, sizeof buffer));
    EXPECT_EQ(buffer, library + "/Printers/PPDs/Contents/Resources");

    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(GetPreferencesFolderPathLocalDomain(buffer, preferences.size()));
    EXPECT_EQ(buffer[0], '#');
    EXPECT_TRUE(GetPreferencesFolderPathLocalDomain(buffer, preferences.size() + 1));
    EXPECT_EQ(buffer, preferences);
    EXPECT_FALSE(GetPreferencesFolderPathLocalDomain(buffer, 0));
    EXPECT_FALSE(GetPreferencesFolderPathLocalDomain(nullptr, sizeof buffer));

    ScopedEnv tmp("TMPDIR", domains.temp().str());
    ASSERT_TRUE(GetTmpDirPath(buffer, sizeof buffer));
    EXPECT_EQ(buffer, domains.temp().str() + "/");
}

TEST(SandboxTest, HomeDifferingFromThePasswordDatabaseMeansSandboxed) {
    const passwd* user = getpwuid(getuid());
    if (!user || !user->pw_dir) GTEST_SKIP() << "no password entry for this user";
    {
        ScopedEnv home("HOME", user->pw_dir);
        EXPECT_FALSE(IsSandboxed());
    }
    {
        ScopedEnv home("HOME", "");
        EXPECT_FALSE(IsSandboxed());
    }
    TempFolder container;
    ScopedEnv home("HOME", container.str());
    EXPECT_TRUE(IsSandboxed());
}
