// The list window's buttons: edit, delete, delete all, pages; a double click on a row.
#include "ProgramRun.h"

using namespace endtoend;

TEST_F(ProgramTest, DeleteAllAsksAndOnlyItsDeleteButtonEmptiesTheList) {
    const struct {
        const char* answer;
        bool deletes;
    } cases[] = {
        {"click item 2", true}, {"click item 1", false}, {"cancel", false}, {"key return", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        WriteJAFile(kThreeEntries);
        RunResult run = Run("click item 22\nprint\n" + std::string(c.answer) + "\nprint\n");
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        EXPECT_TRUE(ShowsAlert(run.screens[0], 1012)) << run.screens[0].text;
        EXPECT_EQ(run.screens[0].front().alert(), "caution");
        const WindowView& list = run.screens[1].front();
        EXPECT_EQ(list.title, kListTitle);
        EXPECT_EQ(list.rows(), c.deletes ? Rows{} : kThreeRows);
        EXPECT_EQ(list.active(22), !c.deletes) << "Delete All";
        EXPECT_EQ(list.active(4), c.deletes) << "Save";
    }
}

TEST_F(ProgramTest, DoubleClickOnARowOpensOneEditorOnThatEntry) {
    WriteJAFile(kThreeEntries);
    RunResult run = Run("doubleclick row 1\nprint\nclick item 3\nprint\n");
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    const ScreenView& open = run.screens[0];
    EXPECT_EQ(open.count(kEditorTitle), 1) << open.text;
    EXPECT_EQ(open.front().title, kEditorTitle);
    EXPECT_EQ(open.front().text(8), "bob");
    EXPECT_EQ(open.front().text(9), "Bob B");
    EXPECT_EQ(open.front().text(10), "7");
    EXPECT_EQ(run.screens[1].count(kEditorTitle), 0) << run.screens[1].text;
    EXPECT_EQ(run.screens[1].front().title, kListTitle);
}

TEST_F(ProgramTest, PageButtonsFollowTheEntryCountAndTurnThePages) {
    for (int count : {1000, 1001, 1500}) {
        SCOPED_TRACE(std::to_string(count) + " entries");
        WriteJAFile(NumberedLines(1, count));
        // Previous on page 1 and Next on the last page change nothing.
        RunResult run = Run("click item 20\nprint\nclick item 21\nprint\nclick item 21\nprint\n"
                            "click item 20\nprint\n");
        ASSERT_EQ(run.screens.size(), 4u) << run.out;
        const bool twoPages = count > 1000;
        for (int i : {0, 3}) {
            const WindowView& page1 = run.screens[size_t(i)].front();
            EXPECT_EQ(page1.list().rows, 1000) << "screen " << i;
            EXPECT_EQ(page1.rows().at(0).at(0), "User 1") << "screen " << i;
            EXPECT_EQ(page1.active(21), twoPages) << "Next, screen " << i;
            EXPECT_FALSE(page1.active(20)) << "Previous, screen " << i;
        }
        for (int i : {1, 2}) {
            const WindowView& page2 = run.screens[size_t(i)].front();
            EXPECT_EQ(page2.list().rows, twoPages ? count - 1000 : 1000) << "screen " << i;
            EXPECT_EQ(page2.rows().at(0).at(0), twoPages ? "User 1001" : "User 1") << i;
            EXPECT_FALSE(page2.active(21)) << "Next, screen " << i;
            EXPECT_EQ(page2.active(20), twoPages) << "Previous, screen " << i;
        }
    }
}

TEST_F(ProgramTest, NewEntryGoesToTheTopOfThePageOnShow) {
    const struct {
        int count;
        bool page2; // the entry goes to page 2
        int rows;
        bool next, previous;
    } cases[] = {
        {1000, false, 1000, true, false}, // entry 1000 moves on to a new page 2
        {1500, false, 1000, true, false},
        {1500, true, 501, false, true}, // entry 1001 of 1501
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " entries, page " + (c.page2 ? "2" : "1"));
        WriteJAFile(NumberedLines(1, c.count));
        RunResult run =
            Run((c.page2 ? "click item 21\n" : "") + std::string("click item 14\nprint\n") +
                TypeFields("new", "New One", "77777") + "\nclick item 1\nprint\n");
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        // While the editor is open only the page buttons can be active.
        const WindowView& behind = *run.screens[0].window(kListTitle);
        for (int item : {3, 4, 14, 15, 16, 22})
            EXPECT_FALSE(behind.active(item)) << "item " << item;
        EXPECT_EQ(behind.active(21), c.count > 1000 && !c.page2) << "Next";
        EXPECT_EQ(behind.active(20), c.page2) << "Previous";

        const WindowView& list = run.screens[1].front();
        EXPECT_EQ(list.title, kListTitle);
        EXPECT_EQ(list.list().rows, c.rows);
        EXPECT_EQ(list.rows().at(0), (std::vector<std::string>{"New One", "77777"}));
        EXPECT_EQ(list.active(21), c.next) << "Next";
        EXPECT_EQ(list.active(20), c.previous) << "Previous";
    }
}

TEST_F(ProgramTest, AFullListRefusesNewAndDeletingALonePageShowsThePageBefore) {
    // 5001 lines: the list stops at 5000 entries, five full pages, and says so as it opens.
    WriteJAFile(NumberedLines(1, 5001));
    RunResult run =
        Run("key return\nclick item 14\nprint\nkey return\nprint\nclick item 21\nclick item 21\n"
            "click item 21\nclick item 21\nprint\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_TRUE(ShowsAlert(run.screens[0], 1103)) << run.screens[0].text;
    EXPECT_EQ(run.screens[0].front().alert(), "stop");
    EXPECT_EQ(run.screens[1].count(kEditorTitle), 0) << "no editor";
    const WindowView& page5 = run.screens[2].front();
    EXPECT_EQ(page5.list().rows, 1000);
    EXPECT_EQ(page5.rows().at(0).at(0), "User 4001");
    EXPECT_FALSE(page5.active(21)) << "Next";

    // The only entry of page 3 deleted: page 2 is shown, and it is the last.
    WriteJAFile(NumberedLines(1, 2001));
    run = Run("click item 21\nclick item 21\nclick row 0\nclick item 16\nprint\n");
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    const WindowView& page2 = run.screens[0].front();
    EXPECT_EQ(page2.list().rows, 1000);
    EXPECT_EQ(page2.rows().at(0).at(0), "User 1001");
    EXPECT_FALSE(page2.active(21)) << "Next";
    EXPECT_TRUE(page2.active(20)) << "Previous";
}
