// Find, Find Next and typing a user name in the list: reaching an entry on any page.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

const std::string kFind = "menu \"Edit\" \"Find…\"\n";
const std::string kFindNext = "key g cmd\n";

// Find with the text, confirmed with Return.
std::string Find(const std::string& text) {
    return kFind + "type " + Quoted(text) + "\nkey return\n";
}

// The cells of the selected row, when it is shown.
std::vector<std::string> SelectedCells(const WindowView& list) {
    for (const auto& line : list.lines)
        if (line.starts_with("row ") && line.ends_with(" selected")) return QuotedTexts(line);
    return {};
}

// 5000 entries "uN,N,User N" with three others in their place: one found by its login name on
// page 2, one by its user name on page 3, one by its ID on page 5, each row 499 of its page.
const std::string kFiveThousand =
    NumberedLines(1, 1499) + Lines({{"LoginOnly", "123456789", "Aaa"}}) +
    NumberedLines(1501, 2499) + Lines({{"x2", "7", "Somebody Special"}}) +
    NumberedLines(2501, 4499) + Lines({{"x3", "987654321", "Zed"}}) + NumberedLines(4501, 5000);

} // namespace

TEST_F(ProgramTest, FindSelectsTheEntryByEachFieldOnItsPage) {
    const struct {
        std::string text;
        std::vector<std::string> cells;
        bool previous, next;
    } cases[] = {
        {"loginonly", {"Aaa", "123456789"}, true, true},
        {"sPECIAL", {"Somebody Special", "7"}, true, true},
        {"87654", {"Zed", "987654321"}, true, false},
    };
    WriteJAFile(kFiveThousand);
    std::string script;
    for (const auto& c : cases)
        script += Find(c.text) + "print\n";
    RunResult run = Run(script);
    ASSERT_EQ(run.screens.size(), std::size(cases)) << run.out;
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].text);
        const WindowView& list = run.screens[i].front();
        EXPECT_EQ(list.title, kListTitle);
        EXPECT_EQ(list.list().selected, 499);
        EXPECT_EQ(SelectedCells(list), cases[i].cells) << "shown: scrolled into view";
        for (int item : {15, 16})
            EXPECT_TRUE(list.active(item)) << "item " << item;
        EXPECT_EQ(list.active(20), cases[i].previous) << "Previous";
        EXPECT_EQ(list.active(21), cases[i].next) << "Next";
        EXPECT_EQ(run.beepsAfter(int(i) - 1), 0);
    }
}

TEST_F(ProgramTest, FindStartsAfterTheSelectionAndFindNextWrapsAround) {
    WriteJAFile(Lines({{"a1", "1", "Match One"}}) + NumberedLines(2, 2500) +
                Lines({{"a2", "2", "Match Two"}}));
    RunResult run = Run(Find("match") + "print\n" + kFindNext + "print\n" + kFindNext +
                        "print\nclick row 1\n" + Find("MATCH") + "print\n");
    ASSERT_EQ(run.screens.size(), 4u) << run.out;
    const std::vector<std::string> one = {"Match One", "1"}, two = {"Match Two", "2"};
    const std::vector<std::string> expected[] = {one, two, one, two};
    for (size_t i = 0; i < run.screens.size(); ++i) {
        EXPECT_EQ(SelectedCells(run.screens[i].front()), expected[i]) << "screen " << i;
        EXPECT_EQ(run.screens[i].front().list().selected, expected[i] == one ? 0 : 500)
            << "screen " << i;
    }
}

TEST_F(ProgramTest, FindWithoutAMatchBeepsAndSaysSoUntilCancelled) {
    WriteJAFile(kThreeEntries);
    RunResult run = Run("click row 1\n" + Find("nobody") + "print\ntype \"x\"\nprint\n" +
                        "cancel\nprint\n" + kFindNext + "print\n");
    ASSERT_EQ(run.screens.size(), 4u) << run.out;
    const WindowView& find = run.screens[0].front();
    EXPECT_EQ(find.title, "Find");
    EXPECT_TRUE(find.hasStatic("No account matches.")) << run.screens[0].text;
    EXPECT_EQ(find.text(4), "nobody");
    EXPECT_EQ(run.beepsAfter(-1), 1);
    EXPECT_FALSE(run.screens[1].front().hasStatic("No account matches."))
        << "typing takes the message away";

    const WindowView& list = run.screens[2].front();
    EXPECT_EQ(list.title, kListTitle);
    EXPECT_EQ(list.list().selected, 1) << "the selection stays";
    // Find Next looks for the text confirmed last, and beeps without a dialog.
    EXPECT_EQ(run.screens[3].front().title, kListTitle);
    EXPECT_EQ(run.beepsAfter(2), 1);
    EXPECT_EQ(run.screens[3].front().list().selected, 1);
}

TEST_F(ProgramTest, FindNextBeforeAnyFindOpensFindWithItsKeys) {
    WriteJAFile(kThreeEntries);
    RunResult run = Run(kFindNext + "print\ntype \"carl\"\nkey return\nprint\nkey f cmd\nprint\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].front().title, "Find");
    EXPECT_EQ(run.screens[1].front().list().selected, 2);
    const WindowView& again = run.screens[2].front();
    EXPECT_EQ(again.title, "Find");
    EXPECT_EQ(again.state(4), "focus selection 0-4") << "the last text, selected";
}

TEST_F(ProgramTest, EditAfterFindEditsTheFoundEntry) {
    WriteJAFile(kFiveThousand);
    RunResult run = Run(Find("special") + "click item 15\nprint\nkey tab\ntype \"Found\"\n" +
                        "click item 1\nprint\nquit\nclick item 2\n");
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    const WindowView& editor = run.screens[0].front();
    EXPECT_EQ(editor.title, kEditorTitle);
    EXPECT_EQ(editor.text(8), "x2");
    EXPECT_EQ(editor.text(9), "Somebody Special");
    EXPECT_EQ(editor.text(10), "7");
    const WindowView& list = run.screens[1].front();
    EXPECT_EQ(list.rows().at(0), (std::vector<std::string>{"Found", "7"}))
        << "the edited entry goes to the top of its page";
    EXPECT_EQ(list.rows().at(1).at(0), "User 2001");
}

TEST_F(ProgramTest, TypingInTheListSelectsByTheStartOfTheUserNameOnThePage) {
    WriteJAFile(Lines(
        {{"a", "1", "Anna A"}, {"b", "2", "Bob B"}, {"c", "3", "carl C"}, {"d", "4", "Bobby Z"}}));
    // "CA" right after "bobb" would be "bobbca", which nothing starts with.
    RunResult run = Run("type \"b\"\nprint\nwait 120\ntype \"bobb\"\nprint\nwait 120\n"
                        "type \"CA\"\nprint\nwait 120\ntype \"q\"\nprint\nwait 120\n"
                        "type \"bob \"\nprint\n");
    ASSERT_EQ(run.screens.size(), 5u) << run.out;
    const int expected[] = {1, 3, 2, 2, 1};
    for (size_t i = 0; i < run.screens.size(); ++i) {
        EXPECT_EQ(run.screens[i].front().list().selected, expected[i]) << "screen " << i;
        EXPECT_TRUE(run.screens[i].front().active(15)) << "Edit, screen " << i;
    }

    // Only the page on show: page 2 starts with User 1001.
    WriteJAFile(NumberedLines(1, 1500));
    run = Run("click item 21\ntype \"user 1\"\nprint\n");
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(run.screens[0].front().list().selected, 0);
    EXPECT_EQ(SelectedCells(run.screens[0].front()),
              (std::vector<std::string>{"User 1001", "1001"}));
}
