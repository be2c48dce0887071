// Another local account tries to subvert a commit: what it planted in a folder an old version
// left open is never followed by the superuser, and after the commit it can change nothing.
// The account is a user ID no one has, taken by a child process of the root-run test.
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStoreSupport.h"
#include "Platform/MacErrors.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

namespace {

constexpr uid_t kOtherAccount = 54321;

// Runs attempt as the other account in a child process; true when it succeeded.
bool AsOtherAccount(const std::function<bool()>& attempt) {
    pid_t child = fork();
    if (child == 0) {
        bool dropped =
            setgroups(0, nullptr) == 0 && setgid(kOtherAccount) == 0 && setuid(kOtherAccount) == 0;
        _exit(dropped && attempt() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Everything the other account might do to the file or the folder.
std::vector<std::string> Subversions(const std::string& folder, const std::string& file) {
    std::vector<std::string> succeeded;
    auto attempt = [&](const char* what, std::function<bool()> act) {
        if (AsOtherAccount(act)) succeeded.push_back(what);
    };
    attempt("write the file", [&] { return open(file.c_str(), O_WRONLY) >= 0; });
    attempt("remove the file", [&] { return unlink(file.c_str()) == 0; });
    attempt("plant a file",
            [&] { return open((folder + "/planted").c_str(), O_WRONLY | O_CREAT, 0666) >= 0; });
    attempt("plant the backup", [&] { return symlink("/etc/shadow", (file + "-").c_str()) == 0; });
    attempt("open the backup", [&] { return open((file + "-").c_str(), O_WRONLY) >= 0; });
    return succeeded;
}

class SecondAccount : public ::testing::Test {
  protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "a second account needs a test run as root";
        // The other account may walk down to the folder, as on a real system.
        for (std::filesystem::path path = store.LocalPreferences();
             path != store.Temp().path().parent_path(); path = path.parent_path())
            chmod(path.c_str(), 0755);
    }

    ScopedEnv askAsRoot{"KORVANE_ASK_AS_ROOT", "1"};
    PlatformScopedMainBundle bundle{KORVANE_BUILD_BUNDLE}; // where the commit's helper is
    StoreContext store;
    ScopedPrompt prompt{true};
    ScopedToolRecorder tools;
};

} // namespace

TEST_F(SecondAccount, ItsLinksAreNeverFollowedAndAfterTheCommitItCanChangeNothing) {
    // An old version's folder, open to all: the other account can plant links there.
    const std::string folder = store.FolderPath(), file = store.FilePath();
    const std::string victim = store.Temp() / "victim";
    std::filesystem::create_directories(folder);
    ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
    WriteText(victim, "root's own\n");
    ASSERT_EQ(chmod(victim.c_str(), 0644), 0);
    ASSERT_TRUE(AsOtherAccount([&] {
        return symlink(victim.c_str(), (folder + "/._JobAccounting").c_str()) == 0 &&
               symlink(victim.c_str(), (file + "-").c_str()) == 0 &&
               symlink(victim.c_str(), file.c_str()) == 0;
    })) << "the open folder lets the other account plant links";
    store.NoteJAFile();

    WriteText(store.WorkingCopyPath(), "guest,42,Guest User\r\n");
    // The link is not the file the list read through it: only an Overwrite replaces it.
    ASSERT_EQ(CommitWorkingCopy(store.context, false), kJAFileChangedErr);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    AUTH_CREATEL_Flag = false;
    ASSERT_EQ(CommitWorkingCopy(store.context, true), noErr);
    const std::vector<std::string> succeeded = Subversions(folder, file);
    EXPECT_TRUE(succeeded.empty()) << "after the commit the other account could " << succeeded[0];
    EXPECT_EQ(ReadFileText(victim), "root's own\n");
    EXPECT_FALSE(std::filesystem::is_symlink(file));
    EXPECT_FALSE(std::filesystem::is_symlink(folder + "/._JobAccounting"));
    EXPECT_EQ(ReadFileText(file), "guest,42,Guest User\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder + "/planted"));
}
