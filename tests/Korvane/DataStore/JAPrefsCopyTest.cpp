#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStoreSupport.h"
#include "Platform/MacErrors.h"
#include "Utility/Utility.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(JAPrefsCopy, WorkingCopyBecomesTheJobAccountingFileWhenThereIsOne) {
    StoreContext store;
    WriteText(store.WorkingCopyPath(), "left,1,From an earlier run that is longer\r\n");
    EXPECT_EQ(CopyJAPrefsFromToTemporary(store.context), noErr); // no folder
    std::filesystem::create_directories(store.FolderPath());
    EXPECT_EQ(CopyJAPrefsFromToTemporary(store.context), noErr); // no file
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()),
              "left,1,From an earlier run that is longer\r\n");
    EXPECT_FALSE(gquit);

    WriteText(store.FilePath(), "ja,2,JA\r\n");
    EXPECT_EQ(CopyJAPrefsFromToTemporary(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "ja,2,JA\r\n");
    EXPECT_EQ(store.context->tempText, nullptr);
}

TEST(JAPrefsCopy, SandboxedRunsUseFileCallsOnly) {
    if (geteuid() == 0) GTEST_SKIP() << "root is never sandboxed; this runs as an ordinary user";
    StoreContext store;
    ScopedEnv home("HOME", store.Temp().str());
    ScopedEnv askAsRoot("KORVANE_ASK_AS_ROOT", "1");
    ScopedPrompt prompt(true);
    ScopedToolRecorder tools;
    ASSERT_TRUE(IsSandboxed());
    WriteText(store.WorkingCopyPath(), "mine,1,Mine\r\n");

    EXPECT_EQ(CopyJAPrefsFromToTemporary(store.context), dirNFErr); // start-up ends
    EXPECT_TRUE(gquit);
    EXPECT_EQ(CopyFromTemporaryToJAPrefs(store.context), dirNFErr);
    EXPECT_FALSE(std::filesystem::exists(store.FolderPath()));
    EXPECT_FALSE(AUTH_CREATEL_Flag);

    std::filesystem::create_directories(store.FolderPath());
    EXPECT_EQ(CopyFromTemporaryToJAPrefs(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.FilePath()), "mine,1,Mine\r\n");
    EXPECT_TRUE(AUTH_CREATEL_Flag);

    WriteText(store.FilePath(), "theirs,2,Theirs\r\n");
    EXPECT_EQ(CopyJAPrefsFromToTemporary(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "theirs,2,Theirs\r\n");
    EXPECT_EQ(prompt.asked, 0);
    EXPECT_TRUE(tools.calls.empty());
}

// A file that is there but cannot be copied is an error with its cause, never an empty list
// that a Save would then commit over the unread file.
TEST(JAPrefsCopy, AFileThatCannotBeCopiedIsAnErrorAndLeavesTheWorkingCopy) {
    StoreContext store;
    std::filesystem::create_directories(store.FolderPath());
    WriteText(store.WorkingCopyPath(), "mine,1,Mine\r\n");
    WriteText(store.FilePath(), "ja,2,JA\r\n");
    {
        PlatformScopedWriteFailure full(0, dskFulErr); // the Preferences folder's disk is full
        EXPECT_EQ(CopyJAPrefsFromToTemporary(store.context), dskFulErr);
    }
    EXPECT_EQ(store.context->jaCopyErr, dskFulErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "mine,1,Mine\r\n");

    std::filesystem::remove(store.FilePath());
    std::filesystem::create_directory(store.FilePath());
    EXPECT_NE(CopyJAPrefsFromToTemporary(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "mine,1,Mine\r\n");
    std::filesystem::remove(store.FilePath());

    WriteText(store.FilePath(), "ja,2,JA\nsolo\n");
    EXPECT_EQ(CopyJAPrefsFromToTemporary(store.context), noErr);
    EXPECT_EQ(store.context->jaCopyErr, noErr);
    EXPECT_EQ(store.context->jaUntaken.count, 1);
    EXPECT_EQ(store.context->jaUntaken.firstLine, 2);
}
