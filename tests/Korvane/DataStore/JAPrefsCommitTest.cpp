// The commit runs the real tools: the tests run as root with the prompt forced, and the local
// domain in a temporary folder.
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStoreSupport.h"
#include "Platform/MacErrors.h"

#include <filesystem>
#include <gtest/gtest.h>
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
    void SetUp() override { ASSERT_EQ(geteuid(), 0u) << "the commit tests run as root"; }

    OSErr Commit() { return CopyFromTemporaryToJAPrefs(store.context); }
    // What the Save button does after a commit that obtained the right.
    void Saved() { AUTH_CREATEL_Flag = SAVE_BUTTON_Flag = false; }
    void ExpectLockedToRoot() {
        EXPECT_EQ(OwnerOf(store.FilePath()), 0u);
        EXPECT_EQ(ModeOf(store.FilePath()) & 022, 0u);
    }

    ScopedEnv askAsRoot{"KORVANE_ASK_AS_ROOT", "1"};
    ScopedUmask openUmask{0}; // new files start writable by all, so the commit must lock them
    StoreContext store;
    ScopedPrompt prompt{true};
    ScopedToolRecorder tools;
};

} // namespace

TEST_F(JAPrefsCommit, FirstCommitMakesFolderAndFileWithTheToolsInOrder) {
    ASSERT_EQ(store.locationsErr, noErr);
    WriteText(store.WorkingCopyPath(), "guest,42,Guest User\r\n");
    SAVE_BUTTON_Flag = true;
    std::string folder = store.FolderPath(), file = store.FilePath(), whenLocking;
    tools.onTool = [&](const std::vector<std::string>& call) {
        if (call[0] == "chmod" && call[1] == "og-w") whenLocking = ReadFileText(file);
    };
    testing::internal::CaptureStdout();
    EXPECT_EQ(Commit(), noErr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "root\n"); // the output of id -un

    EXPECT_EQ(prompt.asked, 1);
    EXPECT_EQ(tools.calls, (Calls{{"id", "-un"},
                                  {"mkdir", "-m", "go+w", folder},
                                  {"touch", file},
                                  {"chmod", "go+w", file},
                                  {"chmod", "og-w", file},
                                  {"chown", "root", file}}));
    EXPECT_EQ(whenLocking, "guest,42,Guest User\r\n"); // written before it is locked
    ExpectLockedToRoot();
    EXPECT_EQ(ModeOf(folder) & 022, 022u);
    EXPECT_TRUE(AUTH_CREATEL_Flag);
    EXPECT_TRUE(SAVE_BUTTON_Flag);
    EXPECT_EQ(myAuthorizationRef, nullptr);
}

// Content, a prompt at every save and a refused right are also checked end to end.
TEST_F(JAPrefsCommit, LaterCommitsRelockAForeignFileAndARefusalRunsNoTool) {
    WriteText(store.WorkingCopyPath(), "first,1,First\r\n");
    ASSERT_EQ(Commit(), noErr);
    Saved();
    tools.calls.clear();
    ASSERT_EQ(chown(store.FilePath().c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(store.FilePath().c_str(), 0666), 0);
    EXPECT_EQ(Commit(), noErr);
    const std::string file = store.FilePath();
    EXPECT_EQ(tools.calls, (Calls{{"id", "-un"},
                                  {"chmod", "go+w", file},
                                  {"chmod", "og-w", file},
                                  {"chown", "root", file}}));
    ExpectLockedToRoot();

    Saved();
    std::filesystem::remove_all(store.FolderPath());
    store.NoteJAFile(); // as a list opened now would see it
    tools.calls.clear();
    prompt.grant = false;
    SAVE_BUTTON_Flag = true;
    EXPECT_EQ(Commit(), noErr);
    EXPECT_TRUE(tools.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(store.FolderPath()));
    EXPECT_TRUE(SAVE_BUTTON_Flag);
    EXPECT_FALSE(AUTH_CREATEL_Flag);
    EXPECT_EQ(myAuthorizationRef, nullptr);
}

TEST_F(JAPrefsCommit, FailedWriteKeepsThePreviousFileAndLocksItAgain) {
    WriteText(store.WorkingCopyPath(), "kept,1,Kept\r\n");
    ASSERT_EQ(Commit(), noErr);
    Saved();
    WriteText(store.WorkingCopyPath(), "lost,2,Lost\r\nlost,3,Lost\r\n");
    tools.calls.clear();
    {
        PlatformScopedWriteFailure diskFull(5, dskFulErr);
        EXPECT_EQ(Commit(), dskFulErr);
    }
    EXPECT_EQ(ReadFileText(store.FilePath()), "kept,1,Kept\r\n");
    EXPECT_FALSE(std::filesystem::exists(store.FolderPath() + "/QZJA.new"));
    ASSERT_EQ(tools.calls.size(), 4u);
    EXPECT_EQ(tools.calls[2], (std::vector<std::string>{"chmod", "og-w", store.FilePath()}));
    ExpectLockedToRoot();
    EXPECT_EQ(myAuthorizationRef, nullptr);
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
    EXPECT_EQ(ReadFileText(store.FilePath()), ""); // only what touch made
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
    AUTH_CREATEL_Flag = true; // as if held, but no reference to run with
    EXPECT_EQ(check_permission(store.context), OSErr(UInt16(errAuthorizationInvalidRef & 0xFFFF)));
    EXPECT_TRUE(tools.calls.empty());
}
