#include "ImportPairwiseMarking.h"
#include "Korvane/DataStoreSupport.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportParse.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

using namespace testsupport;

namespace {

void Stage(JASettingBlock* staged, const std::string& text) {
    ParseImportText(reinterpret_cast<const UInt8*>(text.data()), UInt32(text.size()), staged);
}

class ImportContext : public ::testing::Test {
  protected:
    ImportContext() { store.setting->importEntries = staged.get(); }

    StoreContext store;
    std::unique_ptr<JASettingBlock> staged = std::make_unique<JASettingBlock>();
};

} // namespace

// Spaces in login names, a bad ID and a comma in the user name are also imported end to end.
TEST_F(ImportContext, ChecksAreTheEditorsWithSpacesAllowedInLoginNames) {
    const struct {
        std::string line;
        bool accepted;
    } cases[] = {
        {"a,999999999,", true},
        {"a,1," + std::string(80, 'u'), true},
        {",1,U", false},
        {"\"q\",1,U", false},
        {"a\x1F"
         "b,1,U",
         false},
        {"a\tb,1,U", true}, // bytes below 10 pass, as in the editor
        {"a,1234567890,U", false},
        {"a,12a,U", false},
        {"a,1,\"U\"", false},
        {"a,1," + std::string(81, 'u'), false},
        {std::string(256, 'l') + ",1,U", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Stage(staged.get(), c.line + "\r\n");
        ASSERT_EQ(staged->entryCount, 1);
        EXPECT_EQ(SampleCheckRange_at_ImportFunc(store.context), c.accepted ? 0 : 1);
        EXPECT_EQ(staged->records[0].invalidFlag, !c.accepted);
    }
}

TEST(ImportDuplicates, MarksLikeThePairwisePassesOnRandomFiles) {
    auto linear = std::make_unique<JASettingBlock[]>(2),
         pairwise = std::make_unique<JASettingBlock[]>(2);
    std::mt19937 random(1234);
    for (int round = 0; round < 300; ++round) {
        // Few distinct names, so that they repeat in the file and against the list; some lines
        // break a rule; some files end in empty lines.
        const int names = 1 + int(random() % 12);
        auto line = [&] {
            const std::string id = random() % 5 == 0 ? "0" : std::to_string(1 + random() % 9);
            return "n" + std::to_string(random() % names) + "," + id + ",U\r\n";
        };
        std::string file, list;
        for (int n = int(random() % 40); n > 0; --n)
            file += line();
        for (int n = int(random() % 20); n > 0; --n)
            list += line();
        for (int n = int(random() % 3); n > 0; --n)
            file += "\r\n";
        for (JASettingBlock* blocks : {linear.get(), pairwise.get()}) {
            Stage(&blocks[0], file);
            Stage(&blocks[1], list);
            for (int i = 0; i < blocks[1].entryCount; ++i)
                blocks[1].records[i].invalidFlag = false;
            for (int i = 0; i < blocks[0].entryCount; ++i)
                blocks[0].records[i].invalidFlag = blocks[0].records[i].accountID[1] == '0';
        }
        SCOPED_TRACE(file + "--- list\n" + list);
        EXPECT_EQ(MarkImportDuplicates(&linear[0], &linear[1]),
                  PairwiseImportDuplicates(&pairwise[0], &pairwise[1]));
        for (int b = 0; b < 2; ++b)
            for (int i = 0; i < linear[b].entryCount; ++i)
                ASSERT_EQ(linear[b].records[i].duplicateFlag, pairwise[b].records[i].duplicateFlag)
                    << "block " << b << " entry " << i;
    }
}

TEST(ImportDuplicates, EarlierMarksOnTheListAreCleared) {
    auto blocks = std::make_unique<JASettingBlock[]>(2);
    Stage(&blocks[0], "new,1,N\r\n");
    Stage(&blocks[1], "old,2,O\r\n");
    blocks[1].records[0].duplicateFlag = true; // left by an import whose write failed
    EXPECT_FALSE(MarkImportDuplicates(&blocks[0], &blocks[1]));
    EXPECT_FALSE(blocks[1].records[0].duplicateFlag);
}

TEST_F(ImportContext, FailedWriteLeavesTheWorkingCopyAsItWas) {
    WriteText(store.WorkingCopyPath(), "anna,5,Anna A\r\n");
    // The new content's place is taken by a folder that cannot be removed.
    const auto blocker = std::filesystem::path(store.WorkingCopyPath()).parent_path() / "QZJA.new";
    std::filesystem::create_directories(blocker / "inside");
    Stage(store.entries, "anna,5,Anna A\r\n");
    Stage(staged.get(), "bob,7,Bob B\r\n");
    EXPECT_NE(SaveJASettingToJATemp_at_ImportFunc(store.context), noErr);
    EXPECT_EQ(ReadFileText(store.WorkingCopyPath()), "anna,5,Anna A\r\n");
    EXPECT_FALSE(SAVE_BUTTON_Flag);
    EXPECT_EQ(store.setting->entries, store.entries);
}
