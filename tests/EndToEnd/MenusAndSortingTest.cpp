// The menu commands enabled for the window in front, and the three sorts.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

using Commands = std::set<std::string>;

// The user-name column of the rows shown.
std::vector<std::string> UserNames(const WindowView& list) {
    std::vector<std::string> names;
    for (const auto& row : list.rows())
        names.push_back(row.at(0));
    return names;
}

} // namespace

TEST_F(ProgramTest, EnabledMenuCommandsFollowTheWindowInFront) {
    // The list, the editor, the help window over the editor, back to the editor, a help window
    // over the list, and the list again.
    RunResult run = Run("print\nclick item 14\nprint\nclick item 4\nprint\nclick item 1\nprint\n"
                        "click item 3\nclick item 3\nprint\nclick item 1\nprint\n");
    ASSERT_EQ(run.screens.size(), 6u) << run.out;
    // File's New… (30), Import CSV… (10), Export… (31) and, with nothing to save, no Save (32);
    // Quit (12 and the rest of the File menu) in every state.
    const Commands list = {"1",  "2",  "10", "12", "15", "16",    "17",
                           "28", "29", "30", "31", "33", "'quit'"};
    const Commands editor = {"1", "2", "12", "23", "24", "25", "26", "'quit'"};
    const Commands help = {"1", "2", "12", "'quit'"};
    const std::pair<std::string, Commands> expected[] = {{kListTitle, list}, {kEditorTitle, editor},
                                                         {"Help", help},     {kEditorTitle, editor},
                                                         {"Help", help},     {kListTitle, list}};
    for (size_t i = 0; i < run.screens.size(); ++i) {
        EXPECT_EQ(run.screens[i].front().title, expected[i].first) << "screen " << i;
        EXPECT_EQ(run.screens[i].enabledCommands(), expected[i].second) << "screen " << i;
    }
}

// The File menu does what the list's buttons do: New…, and Save once there is something to save.
TEST_F(ProgramTest, TheFileMenuMakesNewAndSaves) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(kThreeEntries);
    RunResult run = Run("menu \"File\" \"New…\"\nprint\ncancel\nclick row 0\nclick item 16\n"
                        "menu \"File\" \"Save\"\nadmin \"root\" \"pw\"\nprint\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    EXPECT_EQ(run.screens[0].front().title, kEditorTitle);
    EXPECT_FALSE(run.screens[1].enabledCommands().count("32")) << "saved";
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"bob", "7", "Bob B"}, {"carl", "9", "Carl C"}}));
}

TEST_F(ProgramTest, SortsOrderByEachKeyAndShowPageOneWithNothingSelected) {
    const struct {
        const char* command;
        std::string file;
        std::vector<std::string> users;
    } cases[] = {
        {"menu \"Sort\" \"By Login Name\"",
         Lines({{"user10", "1", "Ten"}, {"User3", "2", "Three"}, {"user2", "3", "Two"}}),
         {"Two", "Three", "Ten"}},
        {"menu \"Sort\" \"By User Name\"",
         Lines({{"c", "1", "carl"}, {"b", "2", "Bob"}, {"a", "3", "anna"}}),
         {"anna", "Bob", "carl"}},
        // An empty ID cannot come from the editor, only from the file.
        {"menu \"Sort\" \"By ID\"",
         Lines(
             {{"h", "100", "Hundred"}, {"n", "9", "Nine"}, {"e", "", "Empty"}, {"t", "10", "Ten"}}),
         {"Empty", "Nine", "Ten", "Hundred"}},
        {"key 2 cmd", Lines({{"c", "1", "carl"}, {"a", "3", "anna"}}), {"anna", "carl"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        WriteJAFile(c.file);
        RunResult run =
            Run("click row 1\n" + std::string(c.command) + "\nprint\nquit\nclick item 2\n");
        EXPECT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.screens.size(), 1u) << run.out;
        const WindowView& list = run.screens[0].front();
        EXPECT_EQ(UserNames(list), c.users);
        EXPECT_EQ(list.list().selected, -1);
        EXPECT_TRUE(list.active(4)) << "Save";
        EXPECT_FALSE(list.active(15)) << "Edit";
        EXPECT_EQ(ReadFileText(jaFile()), c.file) << "sorting changes only the working copy";
    }
}

TEST_F(ProgramTest, SortingShowsTheFirstPageAgain) {
    WriteJAFile(NumberedLines(1001, 1500) + NumberedLines(1, 1000));
    RunResult run = Run("click item 21\nprint\nmenu \"Sort\" \"By ID\"\nprint\n");
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    EXPECT_EQ(run.screens[0].front().rows().at(0).at(0), "User 501");
    const WindowView& sorted = run.screens[1].front();
    EXPECT_EQ(sorted.list().rows, 1000);
    EXPECT_EQ(sorted.rows().at(0).at(0), "User 1");
    EXPECT_TRUE(sorted.active(21)) << "Next";
    EXPECT_FALSE(sorted.active(20)) << "Previous";

    // An empty list sorts too, and Save becomes active all the same.
    std::filesystem::remove(jaFile());
    run = Run("menu \"Sort\" \"By Login Name\"\nprint\n");
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(run.screens[0].front().list().rows, 0);
    EXPECT_TRUE(run.screens[0].front().active(4)) << "Save";
}
