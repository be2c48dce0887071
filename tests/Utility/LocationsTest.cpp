#include "Utility/Utility.h"

#include "Platform/PlatformTesting.h"
#include "TestSupport/TempFolder.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
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
    const std::string preferences = domains.localRoot() + "/etc";
    char buffer[1024];
    ASSERT_TRUE(GetPreferencesFolderPathLocalDomain(buffer, sizeof buffer));
    EXPECT_EQ(buffer, preferences);
    EXPECT_FALSE(std::filesystem::exists(preferences)); // named, not made
    ASSERT_TRUE(GetFormerPreferencesFolderPathLocalDomain(buffer, sizeof buffer));
    EXPECT_EQ(buffer, library + "/Preferences");
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

// Whether a process of this user, with this HOME, counts as sandboxed; root asks as another
// account (nobody) in a child process.
static bool SandboxedWith(const char* home, bool asRoot) {
    if (!asRoot || geteuid() != 0) {
        ScopedEnv scoped("HOME", home);
        return IsSandboxed();
    }
    const pid_t child = fork();
    if (child == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (!nobody || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) _exit(2);
        setenv("HOME", home && *home ? home : nobody->pw_dir, 1);
        _exit(IsSandboxed() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST(SandboxTest, HomeDifferingFromThePasswordDatabaseMeansSandboxedButRootNeverIs) {
    const passwd* user = getpwuid(getuid());
    if (!user || !user->pw_dir) GTEST_SKIP() << "no password entry for this user";
    TempFolder container;
    EXPECT_FALSE(SandboxedWith(user->pw_dir, false));
    EXPECT_FALSE(SandboxedWith("", false));
    EXPECT_EQ(SandboxedWith(container.str().c_str(), false), geteuid() != 0)
        << "root with another's HOME (su -m, sudo -E) is never confined";
    EXPECT_FALSE(SandboxedWith("", true)); // nobody's own recorded home
    EXPECT_TRUE(SandboxedWith(container.str().c_str(), true));
}
