// Undo (Command-Z) takes back the list's changes since the last Save, one at a time.
#include "ProgramRun.h"

using namespace endtoend;

TEST_F(ProgramTest, UndoTakesBackEachChangeSinceTheLastSaveOneAtATime) {
    WriteJAFile(kThreeEntries); // anna 5, bob 7, carl 9
    const std::string undo = "key z cmd\nprint\n";
    RunResult run = Run("click row 0\nclick item 16\nclick row 0\nclick item 16\nprint\n" + undo +
                        undo + undo + // one more than there is: nothing happens
                        "click row 1\nclick item 15\nkey tab\ntype \"Bobby\"\nclick item 1\n"
                        "menu \"Sort\" \"By ID\"\nprint\n" +
                        undo + undo + "click item 22\nclick item 2\nprint\n" + undo + "quit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 9u) << run.out;
    const Rows carl = {{"Carl C", "9"}};
    EXPECT_EQ(run.screens[0].front().rows(), carl);
    EXPECT_EQ(run.screens[1].front().rows(), (Rows{{"Bob B", "7"}, {"Carl C", "9"}}));
    EXPECT_TRUE(run.screens[1].front().active(4)) << "Save: a change is left";
    EXPECT_EQ(run.screens[2].front().rows(), kThreeRows);
    EXPECT_FALSE(run.screens[2].front().active(4)) << "back where the file is: nothing to save";
    EXPECT_EQ(run.screens[3].front().rows(), kThreeRows);
    EXPECT_EQ(run.screens[4].front().rows(),
              (Rows{{"Anna A", "5"}, {"Bobby", "7"}, {"Carl C", "9"}})); // edited, then sorted
    EXPECT_EQ(run.screens[5].front().rows(),
              (Rows{{"Bobby", "7"}, {"Anna A", "5"}, {"Carl C", "9"}}))
        << "the sort undone";
    EXPECT_EQ(run.screens[6].front().rows(), kThreeRows) << "the edit undone";
    EXPECT_TRUE(run.screens[7].front().rows().empty()) << "Delete All";
    EXPECT_EQ(run.screens[8].front().rows(), kThreeRows) << "Delete All undone";
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
}
