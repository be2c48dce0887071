// The script lines that outside checks lean on, through the real program.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

std::string ClickAtCentreOf(const Rect& box) {
    return "click " + std::to_string((box.left + box.right) / 2) + " " +
           std::to_string((box.top + box.bottom) / 2) + "\n";
}

} // namespace

TEST_F(ProgramTest, PrintoutsCarryTheirLabelAndOnlyDetailedOnesShowRectanglesAndResources) {
    RunResult run = Run("print \"at start\"\nmenu \"Korvane\" \"About Korvane…\"\nprint\n"
                        "print detail \"about\"\nprint cells \"picture\"\nkey return\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].label, "at start");
    EXPECT_EQ(run.screens[1].label, "");
    EXPECT_EQ(run.screens[2].label, "about");
    EXPECT_NE(run.out.find("--- cells \"picture\" at tick "), std::string::npos) << run.out;

    const WindowView &plain = run.screens[1].front(), &detailed = run.screens[2].front();
    EXPECT_EQ(plain.alertResource(), 0);
    EXPECT_FALSE(plain.box(1));
    EXPECT_EQ(detailed.alert(), "plain");
    EXPECT_TRUE(plain.hasStatic(InfoValue("CFBundleName"))) << run.screens[1].text;
    EXPECT_TRUE(plain.hasStatic(InfoValue("CFBundleGetInfoString"))) << run.screens[1].text;
    EXPECT_NE(BundleResource("ALRT", detailed.alertResource()), nullptr);
    EXPECT_EQ(detailed.state(1), plain.state(1));
    EXPECT_EQ(detailed.lines.size(), plain.lines.size() + 1) << "the resource line";

    // The rectangle is global: a click at its centre presses the button.
    ASSERT_TRUE(detailed.box(1));
    run = Run("menu \"Korvane\" \"About Korvane…\"\n" + ClickAtCentreOf(*detailed.box(1)) +
              "print\n");
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(run.screens[0].front().title, kListTitle);
}

TEST_F(ProgramTest, PrintListAllShowsEveryRowOfTheFrontWindowsList) {
    WriteJAFile(NumberedLines(1, 40));
    RunResult run = Run("print\nprint list all\nclick item 14\nprint list all\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    const size_t shown = run.screens[0].front().rows().size();
    EXPECT_LT(shown, 40u);
    const Rows all = run.screens[1].front().rows();
    ASSERT_EQ(all.size(), 40u);
    EXPECT_EQ(all.back(), (std::vector<std::string>{"User 40", "40"}));
    EXPECT_EQ(run.screens[1].front().list().top, 0);
    EXPECT_EQ(run.screens[2].window(kListTitle)->rows().size(), shown) << "a list behind";
}

TEST_F(ProgramTest, AMenuCommandIsChosenByItsNumber) {
    WriteJAFile(Lines({{"a", "9", "Amy"}, {"b", "3", "Bea"}, {"c", "5", "Cid"}}));
    RunResult byName = Run("menu \"Sort\" \"By ID\"\nprint\n");
    RunResult byNumber = Run("menu #17 # by ID\nprint\n");
    ASSERT_EQ(byNumber.screens.size(), 1u) << byNumber.out;
    EXPECT_NE(byNumber.out.find("\"By ID\"* #17"), std::string::npos) << byNumber.out;
    EXPECT_EQ(byNumber.screens[0].front().rows(), byName.screens.at(0).front().rows());
    EXPECT_EQ(byNumber.screens[0].front().rows().front().at(1), "3");

    RunResult quit = Run("menu #'quit'\n");
    EXPECT_EQ(quit.status, 0) << quit.err;
    RunResult none = Run("menu #99\nprint\n");
    EXPECT_NE(none.err.find("line 1: there is no menu item with command #99"), std::string::npos)
        << none.err;
    EXPECT_TRUE(none.screens.empty()) << "the script ends there";
}

TEST_F(ProgramTest, ShiftTabTakesTheKeyboardBackAFieldAtATime) {
    const std::string login = CurrentLogin();
    RunResult run = Run("click item 14\nkey tab shift\nprint\ntype \"42\"\nkey tab shift\nprint\n"
                        "key tab shift\nkey tab shift\nprint\nkey tab\nprint\n");
    ASSERT_EQ(run.screens.size(), 4u) << run.out;
    EXPECT_EQ(run.screens[0].front().state(10), "focus caret 0") << "from the first to the last";
    const WindowView& second = run.screens[1].front();
    EXPECT_EQ(second.text(10), "42");
    EXPECT_EQ(second.state(9), "focus selection 0-" + std::to_string(second.text(9).size()));
    EXPECT_EQ(run.screens[2].front().state(10), "focus selection 0-2") << "round again";
    EXPECT_EQ(run.screens[3].front().state(8), "focus selection 0-" + std::to_string(login.size()))
        << "plain Tab still goes forward";
}

TEST_F(ProgramTest, FrontClicksAWindowForwardWhereItShows) {
    // The editor over the list; then the list, moved aside, over the editor.
    RunResult run = Run("click item 14\nfront \"Job Accounts\"\nprint\nfront \"Job Accounts\"\n"
                        "print\ndrag 300 40 to 500 300\nfront \"Account\"\nprint\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].front().title, kListTitle);
    EXPECT_EQ(run.screens[0].count(kEditorTitle), 1) << "the editor stays open behind";
    EXPECT_EQ(run.beepsAfter(-1), 1) << "as at any click on a window behind";
    EXPECT_EQ(run.beepsAfter(0), 0) << "the front window is left alone";
    EXPECT_EQ(run.screens[1].front().title, kListTitle);
    EXPECT_EQ(run.screens[2].front().title, kEditorTitle);

    const struct {
        const char* script;
        const char* error;
    } failures[] = {
        {"front \"Nowhere\"\nprint\n", "line 1: no window shown has the title \"Nowhere\""},
        {"click item 14\nfront \"Job Accounts\"\nfront \"Account\"\nprint\n",
         "line 3: nothing of \"Account\" shows to click on"},
    };
    for (const auto& f : failures) {
        RunResult failed = Run(f.script);
        EXPECT_NE(failed.err.find(f.error), std::string::npos) << failed.err;
        EXPECT_TRUE(failed.screens.empty()) << failed.out;
    }
}
