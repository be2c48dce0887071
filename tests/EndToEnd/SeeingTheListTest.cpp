// What the list shows of the accounts, and finding them, in every script.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

const std::string kCyrillic = "Дмитрий Александрович"; // 21 characters, 40 bytes

} // namespace

TEST_F(ProgramTest, UserNamesAreCutAtTwentyCharactersNeverInsideOne) {
    WriteJAFile(Lines({{"dima", "1", kCyrillic.c_str()}, {"ann", "2", "Ann Lee"}}));
    RunResult run = Run("print\n");
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(run.screens[0].front().rows().at(0).at(0), "Дмитрий Александрови");
}

TEST_F(ProgramTest, FindAndTypingInTheListIgnoreCaseInEveryScript) {
    WriteJAFile(
        Lines({{"ann", "1", "Ann Lee"}, {"oz", "2", "Öztürk Ömer"}, {"dima", "3", "Дмитрий"}}));
    RunResult run = Run("menu \"Edit\" \"Find…\"\ntype \"ÖMER\"\nclick item 1\nprint\n"
                        "menu \"Edit\" \"Find…\"\ntype \"дми\"\nclick item 1\n"
                        "print\nclick row 0\ntype \"öz\"\nprint\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].front().list().selected, 1) << run.screens[0].text;
    EXPECT_EQ(run.screens[1].front().list().selected, 2) << run.screens[1].text;
    EXPECT_EQ(run.screens[2].front().list().selected, 1) << "typed in the list";
}

// The status line under the list says what is selected, how many accounts there are, the page,
// and whether the list is saved.
TEST_F(ProgramTest, TheStatusLineSaysWhatIsSelectedHowManyThePageAndWhetherSaved) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(NumberedLines(1, 1001));
    RunResult run = Run("print\nclick row 1\nprint\nclick item 21\nclick row 0\nprint\n"
                        "click item 16\nprint\nclick item 4\nadmin \"root\" \"pw\"\nprint\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 5u) << run.out;
    const std::vector<std::string> expected = {
        "1001 accounts, page 1 of 2",
        "u2 selected, 1001 accounts, page 1 of 2",
        "u1001 selected, 1001 accounts, page 2 of 2",
        "1000 accounts, page 1 of 1, not saved", // one page left
        "1000 accounts, page 1 of 1, Saved",
    };
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(run.screens[i].front().text(23), expected[i]) << "screen " << i;
}
