// The commit runs the real helper: the tests run as root with the prompt forced, and the local
// domain in a temporary folder.
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStoreSupport.h"
#include "Platform/MacErrors.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

uid_t OwnerOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_uid;
}

class JAPrefsCommit : public ::testing::Test {
  protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "committing needs the process to run as root";
    }

    OSErr Commit() { return CopyFromTemporaryToJAPrefs(store.context); }
    // What the Save button does after a commit that obtained the right.
    void Saved() { AUTH_CREATEL_Flag = SAVE_BUTTON_Flag = false; }
    void ExpectRootsAlone(const std::string& path, mode_t mode) {
        EXPECT_EQ(OwnerOf(path), 0u) << path;
        EXPECT_EQ(ModeOf(path), mode) << path;
    }
    // What the OEM folder holds, its names sorted: no file left behind by a commit.
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(store.FolderPath()))
            names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScopedEnv askAsRoot{"KORVANE_ASK_AS_ROOT", "1"};
    PlatformScopedMainBundle bundle{KORVANE_BUILD_BUNDLE}; // where the helper is
    StoreContext store;
    ScopedPrompt prompt{true};
    ScopedToolRecorder tools;
};

const OSErr kToolFailed = OSErr(UInt16(UInt32(errAuthorizationToolEnvironmentError)));
const OSErr kUnsafeFolder = OSErr(UInt16(UInt32(kPlatformCommitUnsafeFolderErr)));

} // namespace

TEST_F(JAPrefsCommit, FirstCommitMakesARootFolderAndWritesThroughOneHelper) {
    ASSERT_EQ(store.locationsErr, noErr);
    const std::string text = "guest,42,Guest User\r\n";
    WriteText(store.WorkingCopyPath(), text);
    SAVE_BUTTON_Flag = true;
    std::filesystem::create_directories(store.LocalPreferences());
    const mode_t old = umask(0); // the commit's modes never follow the umask
    testing::internal::CaptureStdout();
    EXPECT_EQ(Commit(), noErr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "root\n"); // the output of id -un
    umask(old);

    EXPECT_EQ(prompt.asked, 1);
    ASSERT_EQ(tools.calls.size(), 2u);
    EXPECT_EQ(tools.calls[0], (std::vector<std::string>{"id", "-un"}));
    EXPECT_EQ(tools.calls[1],
              (std::vector<std::string>{"korvane-commit", store.FolderPath(), "JobAccounting",
                                        "missing", std::to_string(text.size()), "._JobAccounting",
                                        std::to_string(std::filesystem::file_size(
                                            store.FolderPath() + "/._JobAccounting"))}));
    EXPECT_EQ(tools.toolPaths[1],
              std::string(KORVANE_BUILD_BUNDLE) + "/Contents/MacOS/korvane-commit");
    EXPECT_EQ(ReadFileText(store.FilePath()), text);
    ExpectRootsAlone(store.FolderPath(), 0755);
    ExpectRootsAlone(store.FilePath(), 0644);
    ExpectRootsAlone(store.FolderPath() + "/._JobAccounting", 0644);
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"._JobAccounting", "JobAccounting"}));
    EXPECT_FALSE(JAFileChangedSince(store.context->jaFilePath, &store.context->jaFileIdentity))
        << "the commit's own file is noted as the list's";
    EXPECT_TRUE(AUTH_CREATEL_Flag);
    EXPECT_TRUE(SAVE_BUTTON_Flag);
    EXPECT_EQ(myAuthorizationRef, nullptr);
}

// A prompt at every save and a refused right are also checked end to end.
TEST_F(JAPrefsCommit, LaterCommitsTightenAnOpenFolderKeepABackupAndTheFilesGroupAndMode) {
    // As earlier versions left them: a folder open to all, a file anyone may write.
    const std::string folder = store.FolderPath(), file = store.FilePath();
    std::filesystem::create_directories(folder);
    WriteText(file, "old,1,Old\r\n");
    ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
    ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(file.c_str(), 0666), 0);
    store.NoteJAFile();
    WriteText(store.WorkingCopyPath(), "first,1,First\r\n");
    EXPECT_EQ(Commit(), noErr);
    ExpectRootsAlone(folder, 0755);
    ExpectRootsAlone(file, 0644);
    EXPECT_EQ(ReadFileText(file), "first,1,First\r\n");
    EXPECT_EQ(ReadFileText(file + "-"), "old,1,Old\r\n");

    // A file of root's that group and others cannot write keeps its group and mode.
    Saved();
    ASSERT_EQ(chown(file.c_str(), 0, 7), 0);
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    store.NoteJAFile();
    WriteText(store.WorkingCopyPath(), "second,2,Second\r\n");
    EXPECT_EQ(Commit(), noErr);
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, 7u);
    EXPECT_EQ(ModeOf(file), 0640u);
    EXPECT_EQ(ReadFileText(file + "-"), "first,1,First\r\n");
    EXPECT_EQ(FolderNames(),
              (std::vector<std::string>{"._JobAccounting", "JobAccounting", "JobAccounting-"}));

    Saved();
    std::filesystem::remove_all(folder);
    store.NoteJAFile(); // as a list opened now would see it
    tools.calls.clear();
    prompt.grant = false;
    SAVE_BUTTON_Flag = true;
    EXPECT_EQ(Commit(), noErr);
    EXPECT_TRUE(tools.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_TRUE(SAVE_BUTTON_Flag);
    EXPECT_FALSE(AUTH_CREATEL_Flag);
    EXPECT_EQ(myAuthorizationRef, nullptr);
}

// Under the lock every commit takes, a file saved by someone else since the list read it is
// never overwritten unasked; nor is anything written through a folder others can change.
TEST_F(JAPrefsCommit, AFileChangedMeanwhileOrAnOpenFolderOnThePathStopsTheCommit) {
    WriteText(store.WorkingCopyPath(), "mine,1,Mine\r\n");
    ASSERT_EQ(Commit(), noErr);
    Saved();
    WriteText(store.FilePath(), "theirs,2,Theirs\r\n"); // saved while the password was asked
    EXPECT_EQ(CommitWorkingCopy(store.context, false), kJAFileChangedErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "theirs,2,Theirs\r\n");
    Saved();
    EXPECT_EQ(CommitWorkingCopy(store.context, true), noErr); // the person chose Overwrite
    EXPECT_EQ(ReadFileText(store.FilePath()), "mine,1,Mine\r\n");

    Saved();
    ASSERT_EQ(chmod(store.LocalPreferences().c_str(), 0777), 0);
    WriteText(store.WorkingCopyPath(), "lost,3,Lost\r\n");
    EXPECT_EQ(CommitWorkingCopy(store.context, false), kUnsafeFolder);
    EXPECT_EQ(ReadFileText(store.FilePath()), "mine,1,Mine\r\n");
    ASSERT_EQ(chmod(store.LocalPreferences().c_str(), 01777), 0); // sticky, as /tmp
    Saved();
    EXPECT_EQ(CommitWorkingCopy(store.context, false), noErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "lost,3,Lost\r\n");
}

TEST_F(JAPrefsCommit, AHelperThatFailsLeavesTheOldFileWholeAndIsReported) {
    WriteText(store.WorkingCopyPath(), "kept,1,Kept\r\n");
    ASSERT_EQ(Commit(), noErr);
    Saved();
    WriteText(store.WorkingCopyPath(), "lost,2,Lost\r\n");
    PlatformFailPrivilegedTool("korvane-commit");
    EXPECT_EQ(Commit(), kToolFailed);
    PlatformFailPrivilegedTool(nullptr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "kept,1,Kept\r\n");
    EXPECT_EQ(myAuthorizationRef, nullptr);
}

TEST_F(JAPrefsCommit, AWorkingCopyThatIsALinkIsRefused) {
    WriteText(store.WorkingCopyPath(), "kept,1,Kept\r\n");
    ASSERT_EQ(Commit(), noErr);
    Saved();
    const std::string secret = store.Temp() / "secret";
    WriteText(secret, "root:secret\n");
    std::filesystem::remove(store.WorkingCopyPath());
    std::filesystem::create_symlink(secret, store.WorkingCopyPath());
    tools.calls.clear();
    EXPECT_EQ(Commit(), permErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "kept,1,Kept\r\n");
    EXPECT_EQ(tools.calls.size(), 1u); // the right's id -un, and no helper
}

TEST_F(JAPrefsCommit, AFileWhereTheFolderBelongsFailsAndWritesNowhere) {
    WriteText(store.WorkingCopyPath(), "a,1,A\r\n");
    std::filesystem::create_directories(store.LocalPreferences());
    WriteText(store.FolderPath(), "not a folder");
    EXPECT_EQ(Commit(), kToolFailed);
    EXPECT_EQ(ReadFileText(store.FolderPath()), "not a folder");
    EXPECT_FALSE(std::filesystem::exists(store.Temp() / "user-preferences/JobAccounting"));
}

TEST_F(JAPrefsCommit, PathsThatDoNotFitAreRefusedBeforeAnyTool) {
    std::string base = store.Temp().str();
    // The file path is the root and "/etc/Korvane/JobAccounting" (26 bytes).
    auto rootFor = [&](size_t pathLength) {
        return base + "/" + std::string(pathLength - 26 - base.size() - 1, 'r');
    };
    {
        ScopedEnv root("KORVANE_LOCAL_ROOT", rootFor(101));
        EXPECT_EQ(SetJAFileLocations(store.context), noErr);
        EXPECT_EQ(std::strlen(store.context->jaFilePath), 101u);
    }
    ScopedEnv root("KORVANE_LOCAL_ROOT", rootFor(102));
    EXPECT_EQ(SetJAFileLocations(store.context), bdNamErr);
    EXPECT_STREQ(store.context->jaFolderPath, "");
    EXPECT_STREQ(store.context->jaFilePath, "");
    EXPECT_EQ(Commit(), bdNamErr);
    EXPECT_EQ(check_permission(store.context), bdNamErr);
    EXPECT_EQ(prompt.asked, 0);
    EXPECT_TRUE(tools.calls.empty());
}

TEST_F(JAPrefsCommit, AHelperThatCannotStartIsReportedByItsLowSixteenBits) {
    WriteText(store.WorkingCopyPath(), "a,1,A\r\n");
    AUTH_CREATEL_Flag = true; // as if held, but no reference to run with
    EXPECT_EQ(CommitWorkingCopy(store.context, false),
              OSErr(UInt16(errAuthorizationInvalidRef & 0xFFFF)));
    EXPECT_TRUE(tools.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(store.FilePath()));
}

// When the new file is in place but its folder could not be flushed, the commit says so, and
// the file is noted as the list's own, so the next Save takes it for nobody else's.
TEST_F(JAPrefsCommit, AFileInPlaceButNotFlushedIsNotedAsTheListsOwn) {
    TempFolder fake;
    const std::filesystem::path contents = fake.path() / "Korvane.app/Contents";
    std::filesystem::create_directories(contents / "Resources");
    std::filesystem::create_directories(contents / "MacOS");
    const std::string helper = contents / "MacOS/korvane-commit";
    // A helper that writes the file and reports it, then finds the flush failing.
    WriteText(helper, "#!/bin/sh\nmkdir -p \"$1\" && head -c \"$4\" > \"$1/$2\" &&\n"
                      "f=\"$1/$2\"; echo \"$(stat -c '%d %i %s' \"$f\") $(date -r \"$f\" +'%s "
                      "%N')\"\nexit 67\n");
    ASSERT_EQ(chmod(helper.c_str(), 0755), 0);
    PlatformScopedMainBundle fakeBundle((fake.path() / "Korvane.app").c_str());
    WriteText(store.WorkingCopyPath(), "new,1,New\r\n");
    AUTH_CREATEL_Flag = false;
    EXPECT_EQ(CommitWorkingCopy(store.context, false), kJAFileNotFlushedErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "new,1,New\r\n");
    EXPECT_FALSE(JAFileChangedSince(store.context->jaFilePath, &store.context->jaFileIdentity));
}

// Earlier versions kept the file in /Library/Preferences: it is read there, and the first commit
// moves it, with its sidecar, its group and its mode, leaving its backup at the new place.
TEST_F(JAPrefsCommit, AFileAtTheFormerPlaceIsReadThereAndMovedByTheFirstCommit) {
    const std::string former = store.FormerFolderPath();
    std::filesystem::create_directories(former);
    WriteText(former + "/JobAccounting", "old,1,Old\r\n");
    WriteText(former + "/JobAccounting-", "older,1,Older\r\n");
    WriteText(former + "/._JobAccounting", "the sidecar's own bytes");
    ASSERT_EQ(chown((former + "/JobAccounting").c_str(), 0, 7), 0);
    ASSERT_EQ(chmod((former + "/JobAccounting").c_str(), 0640), 0);
    ASSERT_EQ(SetJAFileLocations(store.context), noErr);
    EXPECT_EQ(std::string(store.context->jaFilePath), former + "/JobAccounting");
    EXPECT_EQ(std::string(store.context->jaMoveFolderPath), store.FolderPath());
    ASSERT_EQ(LookUpJAFolder(store.context), noErr);
    store.NoteJAFile();

    WriteText(store.WorkingCopyPath(), "new,2,New\r\n");
    AUTH_CREATEL_Flag = false;
    ASSERT_EQ(CommitWorkingCopy(store.context, false), noErr);
    ASSERT_EQ(tools.calls.size(), 2u);
    EXPECT_EQ(tools.calls[1].size(), 8u);
    EXPECT_EQ(tools.calls[1].back(), former);
    EXPECT_EQ(ReadFileText(store.FilePath()), "new,2,New\r\n");
    EXPECT_EQ(ReadFileText(store.FilePath() + "-"), "old,1,Old\r\n");
    EXPECT_EQ(ReadFileText(store.FolderPath() + "/._JobAccounting"), "the sidecar's own bytes");
    struct stat info {};
    ASSERT_EQ(stat(store.FilePath().c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, 7u);
    EXPECT_EQ(ModeOf(store.FilePath()), 0640u);
    EXPECT_TRUE(std::filesystem::is_empty(former)) << "nothing of the file stays behind";
    EXPECT_EQ(std::string(store.context->jaFilePath), store.FilePath());
    EXPECT_EQ(std::string(store.context->jaMovedFromPath), former + "/JobAccounting");
    EXPECT_STREQ(store.context->jaMoveFolderPath, "");
    EXPECT_FALSE(JAFileChangedSince(store.context->jaFilePath, &store.context->jaFileIdentity));

    // From then on the new place is the only one, whatever turns up at the former.
    WriteText(former + "/JobAccounting", "stale,9,Stale\r\n");
    ASSERT_EQ(SetJAFileLocations(store.context), noErr);
    EXPECT_EQ(std::string(store.context->jaFilePath), store.FilePath());
    AUTH_CREATEL_Flag = false;
    WriteText(store.WorkingCopyPath(), "newer,3,Newer\r\n");
    ASSERT_EQ(CommitWorkingCopy(store.context, false), noErr);
    EXPECT_EQ(tools.calls.back().size(), 7u);
    EXPECT_EQ(ReadFileText(former + "/JobAccounting"), "stale,9,Stale\r\n");
}

// Two runs read the file at the former place; one moves it. The other's commit follows it to
// the new place, and finds it changed or not as the first left it; a link put in the new place
// meanwhile is never written through.
TEST_F(JAPrefsCommit, AMoveMadeMeanwhileIsFollowedAndNeverOverwrittenUnasked) {
    const std::string former = store.FormerFolderPath();
    auto readAtFormerPlace = [&](const std::string& text) {
        std::filesystem::remove_all(store.FolderPath());
        std::filesystem::create_directories(former);
        WriteText(former + "/JobAccounting", text);
        ASSERT_EQ(SetJAFileLocations(store.context), noErr);
        ASSERT_EQ(LookUpJAFolder(store.context), noErr);
        store.NoteJAFile();
        AUTH_CREATEL_Flag = false;
    };
    readAtFormerPlace("old,1,Old\r\n");
    std::filesystem::create_directories(store.FolderPath());
    std::filesystem::rename(former + "/JobAccounting", store.FilePath()); // moved, unchanged
    WriteText(store.WorkingCopyPath(), "mine,2,Mine\r\n");
    EXPECT_EQ(CommitWorkingCopy(store.context, false), noErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "mine,2,Mine\r\n");
    EXPECT_STREQ(store.context->jaMovedFromPath, "") << "not this run's move to tell of";

    readAtFormerPlace("old,1,Old\r\n");
    std::filesystem::remove(former + "/JobAccounting");
    std::filesystem::create_directories(store.FolderPath());
    WriteText(store.FilePath(), "theirs,3,Theirs\r\n"); // moved and saved by another run
    EXPECT_EQ(CommitWorkingCopy(store.context, false), kJAFileChangedErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "theirs,3,Theirs\r\n");

    readAtFormerPlace("old,1,Old\r\n");
    std::filesystem::create_directories(store.FolderPath());
    std::filesystem::create_symlink(store.Temp() / "elsewhere", store.FilePath());
    EXPECT_EQ(CommitWorkingCopy(store.context, false), kJAFileChangedErr);
    EXPECT_FALSE(std::filesystem::exists(store.Temp() / "elsewhere"));
    EXPECT_EQ(ReadFileText(former + "/JobAccounting"), "old,1,Old\r\n");
}

// Where the former place lies on another file system, the move is a copy with the same bytes,
// group and mode, and the former file goes.
TEST_F(JAPrefsCommit, TheHelperMovesAFileAcrossFileSystems) {
    struct stat shm {
    }, temp{};
    if (stat("/dev/shm", &shm) != 0 || stat(store.Temp().str().c_str(), &temp) != 0 ||
        shm.st_dev == temp.st_dev)
        GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    char pattern[] = "/dev/shm/korvane-former-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string former = std::string(pattern) + "/Korvane";
    std::filesystem::create_directories(former);
    ASSERT_EQ(chmod(pattern, 0755), 0);
    WriteText(former + "/JobAccounting", "old,1,Old\r\n");
    ASSERT_EQ(chown((former + "/JobAccounting").c_str(), 0, 7), 0);
    ASSERT_EQ(chmod((former + "/JobAccounting").c_str(), 0600), 0);
    std::filesystem::create_directories(store.LocalPreferences());
    const std::string input = store.Temp() / "input";
    WriteText(input, "new,2,New\r\n");
    const std::string command = std::string(KORVANE_BUILD_BUNDLE) +
                                "/Contents/MacOS/korvane-commit '" + store.FolderPath() +
                                "' JobAccounting any 11 ._JobAccounting 0 '" + former + "' < '" +
                                input + "' > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFileText(store.FilePath()), "new,2,New\r\n");
    EXPECT_EQ(ReadFileText(store.FilePath() + "-"), "old,1,Old\r\n");
    EXPECT_EQ(ModeOf(store.FilePath()), 0600u);
    EXPECT_FALSE(std::filesystem::exists(former + "/JobAccounting"));
    std::filesystem::remove_all(pattern);
}
