// The entry editor: what New proposes, the field checks, and storing into the list.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

// The state of an edit field that has the keyboard with all its text selected.
std::string AllSelected(const std::string& text) {
    return text.empty() ? "focus caret 0" : "focus selection 0-" + std::to_string(text.size());
}

} // namespace

TEST_F(ProgramTest, NewProposesTheLoginNameAndEnablesOKOnlyForAChange) {
    const std::string login = CurrentLogin();
    ASSERT_FALSE(login.empty());
    // In each field in turn: one more character, then that character taken back.
    std::string script = "click item 14\nprint\n";
    for (int i = 0; i < 3; ++i)
        script += "key right\ntype \"x\"\nprint\nkey backspace\nprint\nkey tab\n";
    RunResult run = Run(script + "click item 3\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 7u) << run.out;
    const WindowView& editor = run.screens[0].front();
    EXPECT_EQ(editor.title, kEditorTitle);
    EXPECT_EQ(editor.state(8), AllSelected(login));
    const std::string proposed[] = {login, login, ""};
    for (int field : {8, 9, 10}) {
        SCOPED_TRACE("item " + std::to_string(field));
        EXPECT_EQ(editor.text(field), proposed[field - 8]);
        const size_t at = size_t(1 + 2 * (field - 8)); // the printout with the character added
        const WindowView& changed = run.screens[at].front();
        EXPECT_EQ(changed.text(field), proposed[field - 8] + "x");
        EXPECT_TRUE(changed.active(1));
        const WindowView& back = run.screens[at + 1].front();
        EXPECT_EQ(back.text(field), proposed[field - 8]);
        EXPECT_FALSE(back.active(1));
    }
    EXPECT_FALSE(editor.active(1)) << "nothing changed yet";
}

TEST_F(ProgramTest, EachFieldRuleShowsItsAlertAndSelectsItsField) {
    const std::string long81(81, 'x');
    const struct {
        std::string login, user, id;
        int alert, field;
    } cases[] = {
        {"", "a,b", "0", 1100, 8}, // the empty login name comes first
        {"a b", "A", "", 1108, 8}, // a bad login name before a bad ID
        {"a,b", "A", "5", 1108, 8},
        {"a\"b", "A", "5", 1108, 8},
        {"ann", long81 + ",", "012", 1102, 10}, // a bad ID before a bad user name
        {"ann", "A", "0", 1102, 10},
        {"ann", "A", "1234567890", 1102, 10},
        {"ann", "A", "12a", 1102, 10},
        {"ann", "A", "", 1102, 10},
        {"ann", std::string(80, 'x') + ",", "5", 1101, 9}, // the length before the characters
        {"ann", long81, "5", 1101, 9},
        {"ann", "A,B", "5", 1109, 9},
        {"ann", "A\"B", "5", 1109, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("login '" + c.login + "' user '" + c.user + "' ID '" + c.id + "'");
        RunResult run = Run("click item 14\n" + TypeFields(c.login, c.user, c.id) +
                            "\nclick item 1\nprint\nkey return\nprint\nclick item 1\nprint\n"
                            "key return\nkey right\ntype \"1\"\nkey backspace\nprint\n"
                            "click item 3\nquit\n");
        EXPECT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.screens.size(), 4u) << run.out;
        EXPECT_TRUE(ShowsAlert(run.screens[0], c.alert)) << run.screens[0].text;
        EXPECT_EQ(run.screens[0].front().alert(), "stop");
        const WindowView& editor = run.screens[1].front();
        ASSERT_EQ(editor.title, kEditorTitle) << "the editor stays open";
        const std::string text = editor.text(c.field);
        EXPECT_EQ(editor.state(c.field), AllSelected(text));
        EXPECT_TRUE(ShowsAlert(run.screens[2], c.alert)) << "OK again repeats the alert";
        EXPECT_FALSE(run.screens[3].front().active(1)) << "the refused values again";
        EXPECT_EQ(run.screens[1].window(kListTitle)->list().rows, 0);
    }
}

TEST_F(ProgramTest, ValidFieldsAreStoredAtTheTopOfTheList) {
    const struct {
        std::string login, user, id, shownUser;
    } cases[] = {
        {"ann", "", "1", ""},
        {"ann", "Ann Lee", "999999999", "Ann Lee"}, // a space in the user name is allowed
        {"an\xc3\xa9", std::string(80, 'x'), "42", std::string(20, 'x')},
        {"Bob", "Robert", "8", "Robert"}, // login names differ in case: another account
        {"bobby", "Bob B", "7", "Bob B"}, // the same user name and ID as Bob's are allowed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("login '" + c.login + "' user '" + c.user + "' ID '" + c.id + "'");
        WriteJAFile(Lines({{"bob", "7", "Bob B"}}));
        RunResult run =
            Run("click item 14\n" + TypeFields(c.login, c.user, c.id) + "\nclick item 1\nprint\n");
        ASSERT_EQ(run.screens.size(), 1u) << run.out;
        const WindowView& list = run.screens[0].front();
        EXPECT_EQ(list.title, kListTitle) << "no alert, the editor closed";
        const Rows expected = {{c.shownUser, c.id}, {"Bob B", "7"}};
        EXPECT_EQ(list.rows(), expected);
        EXPECT_TRUE(list.active(4)) << "Save";
    }
}

TEST_F(ProgramTest, NewWithAListedLoginNameAsksBeforeReplacing) {
    const struct {
        const char* answer;
        Rows rows;
    } cases[] = {
        {"key return", {{"Anna A", "5"}, {"Robert", "8"}, {"Carl C", "9"}}},
        {"cancel", kThreeRows},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        WriteJAFile(kThreeEntries);
        RunResult run = Run("click item 14\n" + TypeFields("bob", "Robert", "8") +
                            "\nclick item 1\nprint\n" + c.answer + "\nprint\nquit\nclick item 2\n");
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        EXPECT_TRUE(ShowsAlert(run.screens[0], 1011)) << run.screens[0].text;
        EXPECT_EQ(run.screens[0].front().alert(), "caution");
        const WindowView& list = run.screens[1].front();
        EXPECT_EQ(list.title, kListTitle) << "the editor closed";
        EXPECT_EQ(list.rows(), c.rows);
    }
}

TEST_F(ProgramTest, EditToAnotherEntrysLoginNameAsksAndDecliningKeepsBothEntries) {
    WriteJAFile(kThreeEntries);
    // Carl's login name becomes Anna's.
    RunResult run = Run("click row 2\nclick item 15\ntype \"anna\"\nclick item 1\nprint\n"
                        "click item 2\nprint\nclick row 2\nclick item 15\ntype \"anna\"\n"
                        "click item 1\nclick item 1\nprint\nquit\nclick item 2\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_TRUE(ShowsAlert(run.screens[0], 1011)) << run.screens[0].text;
    EXPECT_EQ(run.screens[1].front().title, kListTitle);
    EXPECT_EQ(run.screens[1].front().rows(), kThreeRows) << "declined: nothing changed";
    const Rows replaced = {{"Carl C", "9"}, {"Bob B", "7"}};
    EXPECT_EQ(run.screens[2].front().rows(), replaced) << "replaced: Anna's entry is Carl's now";
}

TEST_F(ProgramTest, EditStoresIntoTheEntryItWasOpenedOnWhateverHappensInTheListMeanwhile) {
    const char* meanwhile[] = {"click row 2", "click 200 250", "menu \"Sort\" \"By User Name\""};
    for (const char* action : meanwhile) {
        SCOPED_TRACE(action);
        WriteJAFile(kThreeEntries);
        // Bob's editor moves out of the way, the list comes to the front for the action, then
        // the editor again.
        RunResult run = Run("click row 1\nclick item 15\nkey tab\ntype \"Bob Changed\"\n"
                            "drag 300 104 to 700 520\nclick 50 60\n" +
                            std::string(action) +
                            "\nprint\nclick 600 600\nprint\nclick item 1\nprint\nquit\n"
                            "click item 2\n");
        ASSERT_EQ(run.screens.size(), 3u) << run.out;
        EXPECT_EQ(run.screens[0].front().title, kListTitle);
        EXPECT_EQ(run.screens[1].front().title, kEditorTitle);
        const WindowView& list = run.screens[2].front();
        const Rows expected = {{"Bob Changed", "7"}, {"Anna A", "5"}, {"Carl C", "9"}};
        EXPECT_EQ(list.rows(), expected);
        EXPECT_EQ(list.list().selected, -1);
        EXPECT_FALSE(list.active(15) || list.active(16))
            << "Edit and Delete, with nothing selected";
        EXPECT_TRUE(list.active(4)) << "Save";
    }
}

TEST_F(ProgramTest, ReturnConfirmsOnlyWhenOKIsActiveAndEscapeCancels) {
    RunResult run = Run("click item 14\nkey return\nprint\n" + TypeFields("ann", "Ann", "5") +
                        "\nkey return\nprint\nclick item 14\n" + TypeFields("bo", "Bo", "6") +
                        "\nkey escape\nprint\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].front().title, kEditorTitle) << "Return with OK inactive does nothing";
    EXPECT_EQ(run.screens[1].front().title, kListTitle);
    EXPECT_EQ(run.screens[1].front().rows(), (Rows{{"Ann", "5"}}));
    EXPECT_EQ(run.screens[2].count(kEditorTitle), 0);
    EXPECT_EQ(run.screens[2].front().rows(), (Rows{{"Ann", "5"}})) << "Escape stores nothing";
}

TEST_F(ProgramTest, ALoginNameWithASpaceFromAnImportCanBeEditedWhileItIsKept) {
    // The import lets a login name hold a space; the editor keeps its rule for a name typed anew.
    WriteJAFile(Lines({{"mary ann", "4", "Mary Ann"}}));
    const std::string editUser =
        "click row 0\nclick item 15\nkey tab\ntype \"Mary A. Ann\"\nclick item 1\nprint\n";
    const std::string editLogin = "click row 0\nclick item 15\ntype \"mary beth\"\n"
                                  "click item 1\nprint\nkey return\nclick item 3\n";
    // The login name typed again as it was is no change to it.
    const std::string retypeLogin =
        "click row 0\nclick item 15\ntype \"mary ann\"\nkey tab\nkey tab\ntype \"6\"\n"
        "click item 1\nprint\n";
    RunResult run = Run(editUser + editLogin + retypeLogin +
                        "click row 0\nclick item 15\nprint\nclick item 3\nquit\nclick item 2\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 4u) << run.out;
    const WindowView& edited = run.screens[0].front();
    EXPECT_EQ(edited.title, kListTitle) << "no alert, the editor closed: " << run.screens[0].text;
    EXPECT_EQ(edited.rows(), (Rows{{"Mary A. Ann", "4"}}));
    EXPECT_TRUE(ShowsAlert(run.screens[1], 1108)) << "a changed login name keeps the rules";
    EXPECT_EQ(run.screens[2].front().title, kListTitle) << run.screens[2].text;
    EXPECT_EQ(run.screens[2].front().rows(), (Rows{{"Mary A. Ann", "6"}}));
    EXPECT_EQ(run.screens[3].front().text(8), "mary ann");
}
