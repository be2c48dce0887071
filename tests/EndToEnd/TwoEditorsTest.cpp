// Two editors of one list: another administrator's save meanwhile, and a second run of the
// same user's.
#include "ProgramRun.h"

#include <csignal>

using namespace endtoend;

namespace {

constexpr int kChangedMeanwhileAlert = 1013, kListInUseAlert = 1014;

} // namespace

TEST_F(ProgramTest, ASaveOverAFileSavedMeanwhileAsksFirst) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(kThreeEntries);
    const std::string go = domains.temp() / "go";
    Started run = Start("click row 0\nclick item 16\nprint\nawait " + Quoted(go) +
                        "\nclick item 4\nprint\nclick item 1\nprint\n"               // Cancel
                        "click item 4\nclick item 2\nadmin \"root\" \"pw\"\nprint\n" // Overwrite
                        "click row 0\nclick item 16\nclick item 4\nprint\n"
                        "admin \"root\" \"pw\"\nquit\n");
    ASSERT_TRUE(AwaitScreens(run, 1));
    WriteJAFile(Lines({{"zed", "1", "Zed"}})); // the other administrator's save
    WriteFile(go, "");
    RunResult result = Finish(run);
    EXPECT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(result.screens.size(), 5u) << result.out;
    EXPECT_TRUE(ShowsAlert(result.screens[1], kChangedMeanwhileAlert)) << result.out;
    EXPECT_EQ(result.screens[1].front().alert(), "caution");
    EXPECT_EQ(result.screens[2].front().title, kListTitle);
    EXPECT_TRUE(result.screens[2].front().active(4)) << "Save, after Cancel";
    EXPECT_FALSE(result.screens[3].front().active(4)) << "Save, after Overwrite";
    // The program's own save is no change by someone else: the next save only asks the right.
    EXPECT_EQ(result.screens[4].front().title, "Administrator Rights");
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"carl", "9", "Carl C"}}));
}

TEST_F(ProgramTest, ASecondRunOfTheSameUserLeavesTheFirstOnesWorkingCopyAlone) {
    WriteJAFile(kThreeEntries);
    const std::string go = domains.temp() / "go";
    Started first = Start("click row 0\nclick item 16\nprint\nawait " + Quoted(go) +
                              "\nquit\n"
                              "click item 2\n", // Don't Save
                          "first");
    ASSERT_TRUE(AwaitScreens(first, 1));
    RunResult second = Run("print\nclick item 1\n");
    EXPECT_EQ(second.status, 0) << second.err;
    ASSERT_EQ(second.screens.size(), 1u) << second.out;
    EXPECT_TRUE(ShowsAlert(second.screens[0], kListInUseAlert)) << second.out;
    EXPECT_EQ(second.screens[0].front().alert(), "stop");
    EXPECT_EQ(second.screens[0].count(kListTitle), 0);
    EXPECT_EQ(ReadFileText(workingCopy()), Lines({{"bob", "7", "Bob B"}, {"carl", "9", "Carl C"}}))
        << "the first run's change";

    WriteFile(go, "");
    EXPECT_EQ(Finish(first).status, 0);
    EXPECT_FALSE(std::filesystem::exists(workingCopy()));
    EXPECT_FALSE(std::filesystem::exists(userPrefs() + "/QZJA.lock"));
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
}

TEST_F(ProgramTest, ARunThatWasKilledLetsTheNextOneIn) {
    WriteJAFile(kThreeEntries);
    Started killed = Start("print\nawait \"/nonexistent/never\"\n", "killed");
    ASSERT_TRUE(AwaitScreens(killed, 1));
    kill(killed.pid, SIGKILL);
    Finish(killed);
    RunResult next = Run("print\nquit\n");
    EXPECT_EQ(next.status, 0) << next.err;
    ASSERT_EQ(next.screens.size(), 1u) << next.out;
    EXPECT_EQ(next.screens[0].front().title, kListTitle);
    EXPECT_EQ(next.screens[0].front().rows(), kThreeRows);
}
