// The help window, and clicks and drags on windows that are not in front.
#include "ProgramRun.h"

using namespace endtoend;

TEST_F(ProgramTest, HelpOpensWithItsTopicsFromTheListAndTheEditorAndCloses) {
    const struct {
        const char* open;
        const char* close;
        std::string under; // the window in front again
    } cases[] = {
        {"click item 3", "click item 1", kListTitle},
        {"click item 14\nclick item 4", "key return", kEditorTitle},
    };
    std::vector<std::string> firstTopics;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.open) + " / " + c.close);
        RunResult run = Run(std::string(c.open) + "\nprint\n" + c.close + "\nprint\n");
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        const WindowView& help = run.screens[0].front();
        EXPECT_EQ(help.title, "Help");
        EXPECT_GT(help.list().rows, 1) << "topics";
        EXPECT_EQ(help.list().selected, 0) << "the first topic is shown";
        EXPECT_EQ(run.screens[1].count("Help"), 0) << run.screens[1].text;
        EXPECT_EQ(run.screens[1].front().title, c.under);
        if (firstTopics.empty()) {
            firstTopics = help.rows().at(0);
        } else if (c.under == kEditorTitle) {
            EXPECT_NE(help.rows().at(0), firstTopics) << "the editor has topics of its own";
        }
    }
}

TEST_F(ProgramTest, BackgroundWindowsBeepAndComeForwardOnlyWhenClickedInside) {
    // The editor in front of the list; the list's title bar and its top left corner show.
    RunResult run = Run("click item 14\nprint\ndrag 300 40 to 500 300\nprint\nclick 50 60\n"
                        "print\ndrag 300 40 to 420 200\nprint\n");
    ASSERT_EQ(run.screens.size(), 4u) << run.out;
    const std::string listAt = run.screens[0].window(kListTitle)->origin();

    // Dragging the background list by its title: a beep, nothing moves or comes forward.
    EXPECT_EQ(run.beepsAfter(0), 1);
    EXPECT_EQ(run.screens[1].front().title, kEditorTitle);
    EXPECT_EQ(run.screens[1].window(kListTitle)->origin(), listAt);

    // A click inside it: a beep, and it comes to the front.
    EXPECT_EQ(run.beepsAfter(1), 1);
    EXPECT_EQ(run.screens[2].front().title, kListTitle);
    EXPECT_EQ(run.screens[2].count(kEditorTitle), 1) << "the editor stays open behind";

    // Now in front, the same drag moves it, without a beep.
    EXPECT_EQ(run.beepsAfter(2), 0);
    EXPECT_NE(run.screens[3].front().origin(), listAt);
}
