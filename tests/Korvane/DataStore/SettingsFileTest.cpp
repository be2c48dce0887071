#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStoreSupport.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FinderInfo.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// Puts raw bytes into the working copy and reads them into the list.
OSErr ReadBytes(StoreContext& store, const std::string& bytes) {
    WriteText(store.WorkingCopyPath(), bytes);
    return JobAccountDialogReadFromTemporary(store.context);
}

void ExpectEntry(const JASetting& entry, const std::string& login, const std::string& id,
                 const std::string& user) {
    EXPECT_EQ(TextOf(entry.loginName), login);
    EXPECT_EQ(TextOf(entry.accountID), id);
    EXPECT_EQ(TextOf(entry.userName), user);
}

} // namespace

TEST(SettingsFile, EntriesWriteCrLfLinesAndReadBackTheSameRecords) {
    StoreContext store;
    store.SetEntries({Entry("guest", "42", "Guest User"), Entry("Ann", "7", "Ann, Lee")});
    ASSERT_EQ(SaveJASettingToJATemp(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "guest,42,Guest User\r\nAnn,7,Ann, Lee\r\n");
    EXPECT_TRUE(SAVE_BUTTON_Flag);
    EXPECT_EQ(store.context->textOut, nullptr);

    std::memset(store.entries->records, 0x5A, 2 * sizeof(JASetting));
    store.entries->entryCount = 0;
    ASSERT_EQ(JobAccountDialogReadFromTemporary(store.context), noErr);
    ASSERT_EQ(store.entries->entryCount, 2);
    ExpectEntry(store.entries->records[1], "Ann", "7", "Ann, Lee");
    EXPECT_FALSE(store.entries->records[1].duplicateFlag);
    EXPECT_EQ(store.entries->records[1].invalidFlag, 0x5A); // the reader leaves it alone

    // A zero byte ends a field on writing; an empty list is an empty file.
    store.SetEntries({Entry("bo", "1", std::string("Bo\0b", 4))});
    ASSERT_EQ(SaveJASettingToJATemp(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "bo,1,Bo\r\n");
    store.SetEntries({});
    ASSERT_EQ(SaveJASettingToJATemp(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "");
}

// Files written by other tools: lines ended by LF, CR or CR LF in any mix, and a last line
// without an end, are all read; commas in the user name are kept.
TEST(SettingsFile, ReaderTakesEveryLineEndAndALastLineWithoutOne) {
    StoreContext store;
    ASSERT_EQ(ReadBytes(store, "a,1,x\nb,2,y\n"), noErr);
    ASSERT_EQ(store.entries->entryCount, 2);
    ExpectEntry(store.entries->records[1], "b", "2", "y");

    ASSERT_EQ(ReadBytes(store, "a,1,x\r\nd,3,e\rf,4,g,h\ni,5,j"), noErr);
    ASSERT_EQ(store.entries->entryCount, 4);
    ExpectEntry(store.entries->records[1], "d", "3", "e");
    ExpectEntry(store.entries->records[2], "f", "4", "g,h");
    ExpectEntry(store.entries->records[3], "i", "5", "j");

    ASSERT_EQ(ReadBytes(store, std::string(300, 'L') + ",9," + std::string(400, 'U') + "\r\n"),
              noErr);
    ExpectEntry(store.entries->records[0], std::string(255, 'L'), "9", std::string(255, 'U'));

    ASSERT_EQ(ReadBytes(store, std::string("a\0b,1,u\r", 8)), noErr);
    ExpectEntry(store.entries->records[0], std::string("a\0b", 3), "1", "u");

    // Lines short of commas still count; the fields they do not reach are empty.
    store.entries->records[1] = Entry("stale", "stale", "stale");
    ASSERT_EQ(ReadBytes(store, "solo\r\r\nx,5\r\n"), noErr);
    ASSERT_EQ(store.entries->entryCount, 3);
    ExpectEntry(store.entries->records[0], "solo", "", "");
    ExpectEntry(store.entries->records[1], "", "", "");
    ExpectEntry(store.entries->records[2], "x", "5", "");
}

// What the list cannot keep as it stands is found, never left to vanish at the next save.
TEST(SettingsFile, SurveyFindsTheLinesTheListCannotKeep) {
    auto survey = [](const std::string& text) {
        return SurveyJASettingText(reinterpret_cast<const UInt8*>(text.data()),
                                   SInt32(text.size()));
    };
    EXPECT_EQ(survey("a,1,x\nb,2,y,z\r\nc,3,").count, 0);
    EXPECT_EQ(survey("").count, 0);

    const JAUntakenLines shortOfCommas = survey("a,1,x\nsolo\n\nb,2\n");
    EXPECT_EQ(shortOfCommas.count, 3);
    EXPECT_EQ(shortOfCommas.firstLine, 2);

    EXPECT_EQ(survey(std::string("a,1,x\nb,2,y\0z\n", 14)).firstLine, 2) << "a zero byte";

    const std::string longest(255, 'L');
    EXPECT_EQ(survey(longest + "," + longest + "," + std::string(250, 'U') + ",a,bc").count, 0);
    EXPECT_EQ(survey(longest + "," + longest + "," + std::string(250, 'U') + ",a,bcd").count, 1);
    const JAUntakenLines tooLong = survey("a,1,x\nb,2,y\n" + longest + "L,3,z\n");
    EXPECT_EQ(tooLong.count, 1);
    EXPECT_EQ(tooLong.firstLine, 3);

    std::string text;
    for (int i = 1; i <= 5003; ++i)
        text += "u" + std::to_string(i) + "," + std::to_string(i) + ",n\n";
    const JAUntakenLines pastLimit = survey(text);
    EXPECT_EQ(pastLimit.count, 3);
    EXPECT_EQ(pastLimit.firstLine, 5001);
}

TEST(SettingsFile, ReaderStopsAt5000LinesAndTakesAMissingWorkingCopyAsEmpty) {
    StoreContext store;
    std::string text;
    for (int i = 1; i <= 5001; ++i)
        text += "u" + std::to_string(i) + "," + std::to_string(i) + ",n\r\n";
    ASSERT_EQ(ReadBytes(store, text), noErr);
    ASSERT_EQ(store.entries->entryCount, 5000);
    ExpectEntry(store.entries->records[4999], "u5000", "5000", "n");

    std::filesystem::remove(store.WorkingCopyPath());
    ASSERT_EQ(JobAccountDialogReadFromTemporary(store.context), noErr);
    EXPECT_EQ(store.entries->entryCount, 0);

    // The writer wants the working copy to exist and creates none.
    store.SetEntries({Entry("a", "1", "x")});
    EXPECT_EQ(SaveJASettingToJATemp(store.context), fnfErr);
    EXPECT_FALSE(std::filesystem::exists(store.WorkingCopyPath()));
    EXPECT_FALSE(SAVE_BUTTON_Flag);
}

TEST(SettingsFile, FailedWriteKeepsThePreviousWorkingCopy) {
    StoreContext store;
    WriteText(store.WorkingCopyPath(), "old,1,Old\r\n");
    store.SetEntries({Entry("new", "2", "New"), Entry("more", "3", "More")});
    for (SInt64 allowed : {SInt64(0), SInt64(10)}) {
        PlatformScopedWriteFailure diskFull(allowed, dskFulErr);
        EXPECT_EQ(SaveJASettingToJATemp(store.context), dskFulErr);
        EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "old,1,Old\r\n");
        EXPECT_FALSE(SAVE_BUTTON_Flag);
        EXPECT_EQ(store.context->textOut, nullptr);
    }
    std::string folder = std::filesystem::path(store.WorkingCopyPath()).parent_path();
    EXPECT_FALSE(std::filesystem::exists(folder + "/QZJA.new")); // nothing left beside it
    EXPECT_FALSE(std::filesystem::exists(folder + "/._QZJA.new"));

    // A locked working copy is replaced all the same, as the writer always unlocked it.
    LockFile(store.context->tempFileSpec);
    ASSERT_EQ(SaveJASettingToJATemp(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "new,2,New\r\nmore,3,More\r\n");
}
