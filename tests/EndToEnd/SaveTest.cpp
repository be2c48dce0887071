// Save: the commit of the working copy to the job-accounting file.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

const std::string kSave = "click item 4\nprint\nadmin \"root\" \"pw\"\nprint\n";

} // namespace

TEST_F(ProgramTest, SaveCommitsTheListByteForByte) {
    SKIP_UNLESS_ROOT();
    const struct {
        const char* what;
        std::string file, script, committed;
    } cases[] = {
        {"a new entry, no folder yet", "",
         "click item 14\n" + TypeFields("ann", "Ann Lee", "42") + "\nclick item 1\n",
         Lines({{"ann", "42", "Ann Lee"}})},
        {"an edit", kThreeEntries,
         "click row 1\nclick item 15\nkey tab\ntype \"Bobby\"\nclick item 1\n",
         Lines({{"bob", "7", "Bobby"}, {"anna", "5", "Anna A"}, {"carl", "9", "Carl C"}})},
        {"a sort of a file with CR line ends", "carl,9,Carl C\rbob,7,Bob B\r",
         "menu \"Sort\" \"By Login Name\"\n",
         Lines({{"bob", "7", "Bob B"}, {"carl", "9", "Carl C"}})},
        {"a delete all", kThreeEntries, "click item 22\nclick item 2\n", ""},
        // Commas after the second belong to the user name; a last line without an end is a line.
        {"a delete of a file with odd lines", "a,1,b,c\r\nx,2,X\r\nlast,3,No CR",
         "click row 1\nclick item 16\n", "a,1,b,c\r\nlast,3,No CR\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(oemFolder());
        if (!c.file.empty()) WriteJAFile(c.file);
        RunResult run = Run(c.script + kSave + "quit\n");
        EXPECT_EQ(run.status, 0) << "no question at quit after the save\n" << run.err;
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        EXPECT_EQ(run.screens[0].front().title, "Administrator Rights");
        EXPECT_FALSE(run.screens[1].front().active(4)) << "Save";
        EXPECT_EQ(ReadFileText(jaFile()), c.committed);
        // Written anew, then locked to the superuser again.
        EXPECT_EQ(TypeAndCreator(jaFile()),
                  std::make_pair(std::string("TEXT"), std::string("????")));
        const auto perms = std::filesystem::status(jaFile()).permissions();
        EXPECT_EQ(perms &
                      (std::filesystem::perms::group_write | std::filesystem::perms::others_write),
                  std::filesystem::perms::none);
    }
}

// Both end by the last quit, not by the end of the script, with the changes still to save.
TEST_F(ProgramTest, RefusingTheRightAtSaveOrAtQuitKeepsTheFileAndTheChanges) {
    for (const char* save : {"click item 4\n", "quit\nclick item 1\n"}) {
        SCOPED_TRACE(save);
        WriteJAFile(kThreeEntries);
        RunResult run = Run(std::string("click row 1\nclick item 16\n") + save +
                            "print\nadmin cancel\nprint\nquit\nclick item 2\n");
        EXPECT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        EXPECT_EQ(run.screens[0].front().title, "Administrator Rights");
        const WindowView& list = run.screens[1].front();
        EXPECT_EQ(list.title, kListTitle);
        EXPECT_TRUE(list.active(4)) << "Save";
        const std::vector<std::vector<std::string>> expected = {{"Anna A", "5"}, {"Carl C", "9"}};
        EXPECT_EQ(list.rows(), expected);
        EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
        EXPECT_FALSE(std::filesystem::exists(workingCopy()));
    }
}

// A wrong password brings the prompt back saying so, the password field emptied, three times
// at most: a right one at the second try saves; three wrong ones refuse as Cancel does.
TEST_F(ProgramTest, AWrongPasswordIsAskedForAgainThreeTimesAtMost) {
    SKIP_UNLESS_ROOT();
    testsupport::ScopedEnv password("KORVANE_ASK_AS_ROOT_PASSWORD", "right");
    const std::string login = CurrentLogin(), remove = "click row 1\nclick item 16\n";
    const std::string wrong = "admin " + Quoted(login) + " \"wrong\"\nprint\n";
    WriteJAFile(kThreeEntries);
    RunResult refused =
        Run(remove + "click item 4\nprint\n" + wrong + wrong + wrong + "quit\nclick item 2\n");
    EXPECT_EQ(refused.status, 0) << refused.err;
    ASSERT_EQ(refused.screens.size(), 4u) << refused.out;
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const WindowView& prompt = refused.screens[i].front();
        EXPECT_EQ(prompt.title, "Administrator Rights");
        EXPECT_TRUE(prompt.hasStatic("Password for " + login));
        EXPECT_EQ(prompt.hasStatic("Sorry, try again."), i > 0);
        EXPECT_EQ(prompt.text(6), login);
        EXPECT_EQ(prompt.text(8), "");
        EXPECT_TRUE(prompt.state(i > 0 ? 8 : 6).starts_with("focus"));
    }
    const WindowView& list = refused.screens[3].front();
    EXPECT_EQ(list.title, kListTitle);
    EXPECT_TRUE(list.active(4)) << "Save: the changes are kept";
    EXPECT_EQ(list.list().rows, 2);
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);

    RunResult saved = Run(remove + "click item 4\n" + wrong + "admin " + Quoted(login) +
                          " \"right\"\nprint\nquit\n");
    EXPECT_EQ(saved.status, 0) << saved.err;
    ASSERT_EQ(saved.screens.size(), 2u) << saved.out;
    EXPECT_TRUE(saved.screens[0].front().hasStatic("Sorry, try again."));
    EXPECT_FALSE(saved.screens[1].front().active(4)) << "Save";
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"anna", "5", "Anna A"}, {"carl", "9", "Carl C"}}));
}

TEST_F(ProgramTest, ACommitThatFailsAtSaveOrAtQuitKeepsTheChangesAndQuittingStillAsks) {
    SKIP_UNLESS_ROOT();
    for (const char* save : {"click item 4\n", "quit\nclick item 1\n"}) {
        SCOPED_TRACE(save);
        WriteFile(oemFolder(), "not a folder");  // the commit cannot make the file inside it
        WriteFile(workingCopy(), kThreeEntries); // a leftover, recovered as the list
        // Recovered changes come from a file nobody knows: the Save asks before it overwrites.
        RunResult run = Run(std::string("click item 1\nclick row 1\nclick item 16\n") + save +
                            "click item 2\nadmin \"root\" \"pw\"\nprint\nkey return\nprint\n"
                            "quit\nprint\nclick item 2\n");
        EXPECT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.screens.size(), 3u) << run.out;
        EXPECT_TRUE(ShowsErrorAlert(run.screens[0])) << run.screens[0].text;
        const WindowView& list = run.screens[1].front();
        EXPECT_EQ(list.title, kListTitle);
        EXPECT_TRUE(list.active(4)) << "the file is still behind the working copy";
        EXPECT_EQ(list.list().rows, 2);
        EXPECT_TRUE(ShowsAlert(run.screens[2], 1009)) << "quitting asks before the changes go";
        EXPECT_EQ(ReadFileText(oemFolder()), "not a folder");
        EXPECT_FALSE(std::filesystem::exists(workingCopy()));
    }
}

TEST_F(ProgramTest, ASaveWhoseToolFailsShowsTheFailureAndKeepsTheOldFileWhole) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(kThreeEntries);
    // The previous file cannot be kept as the backup: a folder holds its name.
    std::filesystem::create_directories(oemFolder() + "/JobAccounting-/inside");
    RunResult run = Run("click row 1\nclick item 16\n" + kSave + "key return\nprint\nquit\n" +
                        "click item 2\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_TRUE(ShowsErrorAlert(run.screens[1])) << run.screens[1].text;
    EXPECT_TRUE(run.screens[2].front().active(4)) << "Save";
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
    EXPECT_TRUE(std::filesystem::is_directory(oemFolder() + "/JobAccounting-/inside"));
}
