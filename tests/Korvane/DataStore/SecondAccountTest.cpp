// Another local account tries to subvert a commit: it must not be able to replace or alter the
// job-accounting file at any step, and what it plants is never followed by the superuser.
// The account is a user ID no one has, taken by a child process of the root-run test.
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStoreSupport.h"
#include "Platform/MacErrors.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
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
    attempt("plant the replacement",
            [&] { return symlink("/etc/shadow", (folder + "/QZJA.new").c_str()) == 0; });
    attempt("open the replacement",
            [&] { return open((folder + "/QZJA.new").c_str(), O_WRONLY) >= 0; });
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
    ScopedUmask openUmask{0};
    StoreContext store;
    ScopedPrompt prompt{true};
    ScopedToolRecorder tools;
};

} // namespace

TEST_F(SecondAccount, CannotReplaceOrAlterTheFileAtAnyStepAndItsLinksAreNeverFollowed) {
    // An old version's folder, open to all: the other account can plant links there.
    const std::string folder = store.FolderPath(), file = store.FilePath();
    const std::string victim = store.Temp() / "victim";
    std::filesystem::create_directories(folder);
    ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
    WriteText(victim, "root's own\n");
    ASSERT_EQ(chmod(victim.c_str(), 0644), 0);
    ASSERT_TRUE(AsOtherAccount([&] {
        return symlink(victim.c_str(), (folder + "/QZJA.new").c_str()) == 0 &&
               symlink(victim.c_str(), file.c_str()) == 0;
    })) << "the open folder lets the other account plant links";
    store.NoteJAFile();

    WriteText(store.WorkingCopyPath(), "guest,42,Guest User\r\n");
    std::vector<std::pair<std::string, std::vector<std::string>>> seen;
    // From the moment the folder is tightened; the tool that tightens it may still be running.
    tools.onTool = [&](const std::vector<std::string>& call) {
        if (call[0] == "id" || (call.back() == folder && call[0] != "sync")) return;
        seen.emplace_back(call[0], Subversions(folder, file));
    };
    ASSERT_EQ(CopyFromTemporaryToJAPrefs(store.context), noErr);
    seen.emplace_back("after the commit", Subversions(folder, file));

    ASSERT_EQ(seen.size(), 12u); // five steps each for the sidecar and the file, sync, the end
    for (const auto& [step, succeeded] : seen)
        EXPECT_TRUE(succeeded.empty()) << "while " << step << " ran, the other account could "
                                       << (succeeded.empty() ? "" : succeeded[0]);
    EXPECT_EQ(ReadFileText(victim), "root's own\n");
    EXPECT_FALSE(std::filesystem::is_symlink(file));
    EXPECT_EQ(ReadFileText(file), "guest,42,Guest User\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder + "/planted"));
}
