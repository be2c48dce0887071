// The commit runs the real tools: the tests run as root with the prompt forced, and the local
// domain in a temporary folder.
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStoreSupport.h"
#include "Platform/MacErrors.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace testsupport;
using Calls = std::vector<std::vector<std::string>>;

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
    std::string Replacement() const { return store.FolderPath() + "/QZJA.new"; }
    void ExpectRootsAlone(const std::string& path, mode_t mode) {
        EXPECT_EQ(OwnerOf(path), 0u) << path;
        EXPECT_EQ(ModeOf(path), mode) << path;
    }
    // The privileged steps that put content of this length at target.
    Calls InstallSteps(const std::string& target, size_t length) const {
        const std::string temp = Replacement();
        return {{"rm", "-f", temp},
                {"dd", "of=" + temp, "bs=65536", "iflag=count_bytes,fullblock",
                 "count=" + std::to_string(length), "conv=excl,fsync", "oflag=nofollow",
                 "status=none"},
                {"chown", "root", temp},
                {"chmod", "644", temp},
                {"mv", "-f", "-T", temp, target}};
    }
    // Those that write the file, after the folder's own; first its type and creator sidecar.
    Calls WritingSteps(size_t length, bool sidecar) const {
        Calls steps;
        if (sidecar) steps = InstallSteps(store.FolderPath() + "/._JobAccounting", SidecarSize());
        steps = Then(steps, InstallSteps(store.FilePath(), length));
        return Then(steps, {{"sync", store.FolderPath()}});
    }
    static size_t SidecarSize() {
        Str255 name;
        UInt8 bytes[kFinderInfoSidecarSize];
        SInt32 length = 0;
        PlatformFinderInfoSidecar(PString("JobAccounting"), 0, 0, name, bytes, &length);
        return size_t(length);
    }
    static Calls Then(Calls first, const Calls& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }

    ScopedEnv askAsRoot{"KORVANE_ASK_AS_ROOT", "1"};
    ScopedUmask openUmask{0}; // files would start writable by all unless the commit prevents it
    StoreContext store;
    ScopedPrompt prompt{true};
    ScopedToolRecorder tools;
};

const OSErr kToolFailed = OSErr(UInt16(UInt32(errAuthorizationToolEnvironmentError)));

} // namespace

TEST_F(JAPrefsCommit, FirstCommitMakesARootFolderAndWritesThroughThePipeWithTheToolsInOrder) {
    ASSERT_EQ(store.locationsErr, noErr);
    const std::string text = "guest,42,Guest User\r\n";
    WriteText(store.WorkingCopyPath(), text);
    SAVE_BUTTON_Flag = true;
    const std::string folder = store.FolderPath(), temp = Replacement();
    mode_t tempModeWhenWritten = 0777;
    tools.onTool = [&](const std::vector<std::string>& call) {
        if (call[0] == "chown") tempModeWhenWritten = ModeOf(temp);
        if (call[0] != "id" && call[0] != "mkdir") {
            EXPECT_EQ(ModeOf(folder), 0755u) << call[0];
        }
    };
    testing::internal::CaptureStdout();
    EXPECT_EQ(Commit(), noErr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "root\n"); // the output of id -un

    EXPECT_EQ(prompt.asked, 1);
    EXPECT_EQ(tools.calls, Then({{"id", "-un"}, {"mkdir", "-m", "755", folder}},
                                WritingSteps(text.size(), true)));
    EXPECT_EQ(tempModeWhenWritten, 0600u); // nobody else could open it before its mode was set
    EXPECT_EQ(ReadFileText(store.FilePath()), text);
    ExpectRootsAlone(folder, 0755);
    ExpectRootsAlone(store.FilePath(), 0644);
    EXPECT_FALSE(std::filesystem::exists(temp));
    EXPECT_EQ(umask(0), 0u); // the commit put the program's own back
    EXPECT_TRUE(AUTH_CREATEL_Flag);
    EXPECT_TRUE(SAVE_BUTTON_Flag);
    EXPECT_EQ(myAuthorizationRef, nullptr);
}

// Content, a prompt at every save and a refused right are also checked end to end.
TEST_F(JAPrefsCommit, LaterCommitsTightenAnOpenFolderReplaceAForeignFileAndARefusalRunsNoTool) {
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
    EXPECT_EQ(tools.calls,
              Then({{"id", "-un"}, {"chown", "root", folder}, {"chmod", "755", folder}},
                   WritingSteps(15, true)));
    ExpectRootsAlone(folder, 0755);
    ExpectRootsAlone(file, 0644);
    ExpectRootsAlone(folder + "/._JobAccounting", 0644);
    EXPECT_EQ(ReadFileText(file), "first,1,First\r\n");

    // A folder already the superuser's alone is left as it is.
    Saved();
    tools.calls.clear();
    EXPECT_EQ(Commit(), noErr);
    EXPECT_EQ(tools.calls, Then({{"id", "-un"}}, WritingSteps(15, false)));

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

TEST_F(JAPrefsCommit, AStepThatFailsLeavesTheOldFileWholeAndIsReported) {
    WriteText(store.WorkingCopyPath(), "kept,1,Kept\r\n");
    ASSERT_EQ(Commit(), noErr);
    WriteText(store.WorkingCopyPath(), "lost,2,Lost\r\nlost,3,Lost\r\n");
    for (const char* tool : {"rm", "dd", "chown", "chmod", "mv"}) {
        Saved();
        store.NoteJAFile();
        tools.calls.clear();
        PlatformFailPrivilegedTool(tool);
        EXPECT_EQ(Commit(), kToolFailed) << tool;
        PlatformFailPrivilegedTool(nullptr);
        EXPECT_EQ(ReadFileText(store.FilePath()), "kept,1,Kept\r\n") << tool;
        ExpectRootsAlone(store.FilePath(), 0644);
        EXPECT_EQ(tools.calls.back(), (std::vector<std::string>{"rm", "-f", Replacement()}))
            << tool << ": the unfinished replacement is removed";
        EXPECT_EQ(myAuthorizationRef, nullptr);
    }
    EXPECT_FALSE(std::filesystem::exists(Replacement()));

    // Once renamed, the new file is whole even when the folder could not be flushed.
    Saved();
    PlatformFailPrivilegedTool("sync");
    EXPECT_EQ(Commit(), kToolFailed);
    PlatformFailPrivilegedTool(nullptr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "lost,2,Lost\r\nlost,3,Lost\r\n");

    // An open folder that cannot be tightened is not written into.
    Saved();
    store.NoteJAFile();
    ASSERT_EQ(chmod(store.FolderPath().c_str(), 0777), 0);
    PlatformFailPrivilegedTool("chmod");
    tools.calls.clear();
    EXPECT_EQ(Commit(), kToolFailed);
    PlatformFailPrivilegedTool(nullptr);
    EXPECT_EQ(tools.calls.back(), (std::vector<std::string>{"chmod", "755", store.FolderPath()}));
    EXPECT_EQ(ReadFileText(store.FilePath()), "lost,2,Lost\r\nlost,3,Lost\r\n");
}

TEST_F(JAPrefsCommit, AFullDiskOrAKilledWriterLeavesTheOldFileWhole) {
    const std::string kept(3000, 'k'), lost = std::string(9000, 'x') + "\r\n";
    WriteText(store.WorkingCopyPath(), kept);
    ASSERT_EQ(Commit(), noErr);
    WriteText(store.WorkingCopyPath(), lost);
    // A file size limit makes the writer fail as a full disk would, or kills it (SIGXFSZ).
    for (auto disposition : {SIG_IGN, SIG_DFL}) {
        Saved();
        store.NoteJAFile();
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096;
        auto oldDisposition = signal(SIGXFSZ, disposition);
        setrlimit(RLIMIT_FSIZE, &small);
        OSErr err = Commit();
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, oldDisposition);
        EXPECT_EQ(err, kToolFailed);
        EXPECT_EQ(ReadFileText(store.FilePath()), kept);
        EXPECT_FALSE(std::filesystem::exists(Replacement()));
    }
    Saved();
    store.NoteJAFile();
    EXPECT_EQ(Commit(), noErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), lost);
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
    EXPECT_EQ(tools.calls.size(), 1u); // the right's id -un, and nothing that writes
}

TEST_F(JAPrefsCommit, FolderThatCannotBeFoundOrMadeFailsAndWritesNowhere) {
    WriteText(store.WorkingCopyPath(), "a,1,A\r\n");
    // A location left from earlier must not become the target.
    store.context->jaFileSpec.vRefNum = store.context->tempFileSpec.vRefNum;
    store.context->jaFileSpec.parID = store.context->tempFileSpec.parID;
    std::string strayFile = store.Temp() / "user-preferences/JobAccounting";

    // A file where the folder belongs (the file is left alone, as end to end checks).
    std::filesystem::create_directories(store.LocalPreferences());
    WriteText(store.FolderPath(), "not a folder");
    EXPECT_EQ(Commit(), dupFNErr);
    EXPECT_FALSE(std::filesystem::exists(strayFile));

    // The folder is made where the paths point, but the lookup finds it elsewhere.
    Saved();
    std::filesystem::remove(store.FolderPath());
    ScopedEnv elsewhere("KORVANE_LOCAL_ROOT", store.Temp() / "other-root");
    EXPECT_EQ(Commit(), dirNFErr);
    EXPECT_FALSE(std::filesystem::exists(strayFile));
    EXPECT_FALSE(std::filesystem::exists(store.FolderPath() + "/QZJA.new"));
    EXPECT_FALSE(std::filesystem::exists(store.FilePath()));
}

TEST_F(JAPrefsCommit, PathsThatDoNotFitAreRefusedBeforeAnyTool) {
    std::string base = store.Temp().str();
    // The file path is the root and "/Library/Preferences/Korvane/JobAccounting" (42 bytes).
    auto rootFor = [&](size_t pathLength) {
        return base + "/" + std::string(pathLength - 42 - base.size() - 1, 'r');
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

TEST_F(JAPrefsCommit, ToolThatCannotStartIsReportedByItsLowSixteenBits) {
    std::filesystem::create_directories(store.FolderPath());
    ASSERT_EQ(chmod(store.FolderPath().c_str(), 0777), 0); // to be tightened
    AUTH_CREATEL_Flag = true; // as if held, but no reference to run with
    EXPECT_EQ(check_permission(store.context), OSErr(UInt16(errAuthorizationInvalidRef & 0xFFFF)));
    EXPECT_TRUE(tools.calls.empty());
}
