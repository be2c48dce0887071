// The list's own keys, for people at a keyboard: each acts as the button it stands for.
#include "ProgramRun.h"

using namespace endtoend;

TEST_F(ProgramTest, TheListsKeysGoToTheEndsTurnPagesEditDeleteAndMakeNew) {
    WriteJAFile(NumberedLines(1, 1500)); // two pages
    RunResult run = Run("key end\nprint\nkey home\nprint\nkey pagedown\nprint\nkey pageup\n"
                        "print\nclick row 1\nkey return\nprint\nkey escape\nkey delete\nprint\n"
                        "key insert\nprint\nkey escape\nkey end\nkey backspace\nprint\n"
                        "quit\nclick item 2\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 8u) << run.out;
    const WindowView& last = run.screens[0].front();
    EXPECT_EQ(last.list().rows, 500) << "End shows the last page";
    EXPECT_EQ(last.list().selected, 499);
    EXPECT_EQ(run.screens[1].front().list().rows, 1000) << "Home shows the first page";
    EXPECT_EQ(run.screens[1].front().list().selected, 0);
    EXPECT_EQ(run.screens[2].front().list().rows, 500) << "Page Down";
    EXPECT_EQ(run.screens[3].front().list().rows, 1000) << "Page Up";
    EXPECT_EQ(run.screens[4].front().title, kEditorTitle) << "Return edits the selected row";
    EXPECT_EQ(run.screens[4].front().text(8), "u2") << run.screens[4].text;
    EXPECT_EQ(run.screens[5].front().rows()[1][0], "User 3") << "Delete deleted User 2";
    EXPECT_EQ(run.screens[6].front().title, kEditorTitle) << "Insert is New";
    EXPECT_EQ(run.screens[7].front().list().rows, 498) << "Backspace deleted the last";
}
