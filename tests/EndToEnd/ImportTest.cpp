// Import CSV…: a file picked in the chooser, merged into the list and written to the working copy.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

class ImportTest : public ProgramTest {
  protected:
    std::string csvPath() const { return domains.temp() / "import.csv"; }

    // Imports the file with these bytes; every alert the import shows is printed, then answered;
    // then the list is printed, and `then` runs.
    RunResult Import(const std::string& csv, int alerts, const std::string& then = "") {
        WriteFile(csvPath(), csv);
        std::string script = "menu \"File\" \"Import CSV…\"\nchoose " + Quoted(csvPath()) + "\n";
        for (int n = 0; n < alerts; ++n)
            script += "print detail\nkey return\n";
        return Run(script + "print\n" + then);
    }

    // The import alerts the run showed, in order.
    static std::vector<int> AlertsOf(const RunResult& run) {
        std::vector<int> shown;
        for (const ScreenView& screen : run.screens)
            if (const int id = screen.front().alertResource()) shown.push_back(id);
        return shown;
    }

    // What the alert closing an import tells: the file, the counts and the first lines skipped.
    static std::string ResultsIn(const ScreenView& screen) {
        const WindowView& alert = screen.front();
        return alert.text(alert.alertResource() == kResultsAlert ? 2 : 3);
    }

    static constexpr int kResultsAlert = 1021;
};

// Opens the editor on a row of the list, prints it and cancels it.
std::string PrintEditorOn(int row) {
    return "click row " + std::to_string(row) + "\nclick item 15\nprint\nclick item 3\n";
}

std::string LoginIn(const ScreenView& editor) {
    return editor.front().text(8);
}

} // namespace

TEST_F(ImportTest, LinesBreakingARuleAreSkippedWithOneAlertThatNamesTheFirst) {
    WriteJAFile(kThreeEntries);
    RunResult run = Import("login,ID,user name\r\n"
                           "mary ann,4,Mary Ann\r\n"
                           "dave,12,Dave, Jr.\r\n"
                           "zed,012,Zed\r\n"
                           "eve,,Eve\r\n"
                           "no commas\r\n"
                           "bob,70,Bob New\r\n",
                           1, PrintEditorOn(3));
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].front().alert(), "stop");
    EXPECT_EQ(AlertsOf(run), std::vector<int>{1105});
    EXPECT_TRUE(ShowsAlert(run.screens[0], 1105)) << "its message as before";
    // The first two lines skipped with why, in the words of the rule alerts; then how many more.
    EXPECT_EQ(ResultsIn(run.screens[0]),
              "Imported from import.csv: 1 added, 1 replaced, 5 lines skipped. Line 1: " +
                  AlertMessage(1102) + " Line 3: " + AlertMessage(1109) + " 3 more lines skipped.");
    EXPECT_EQ(run.screens[1].front().rows(),
              (Rows{{"Anna A", "5"}, {"Carl C", "9"}, {"Mary Ann", "4"}, {"Bob New", "70"}}));
    EXPECT_EQ(LoginIn(run.screens[2]), "bob");

    // Up to three lines are named; a line that is not login,ID,user is told so.
    RunResult few = Import("anna,5,Anna A\r\nno commas\r\nzed,0,Zed\r\n", 1);
    ASSERT_EQ(few.screens.size(), 2u) << few.out;
    EXPECT_EQ(ResultsIn(few.screens[0]),
              "Imported from import.csv: 0 added, 1 replaced, 2 lines skipped. Line 2: the line "
              "does not read login name,ID,user name. Line 3: " +
                  AlertMessage(1102));
}

TEST_F(ImportTest, LastLineOfALoginNameWinsAndReplacesTheListedEntry) {
    WriteJAFile(kThreeEntries);
    RunResult run =
        Import("bob,70,Bob One\r\nbob,71,Bob Two\r\ndan,3,Dan D\r\n", 2, PrintEditorOn(2));
    ASSERT_EQ(run.screens.size(), 4u) << run.out;
    EXPECT_EQ(AlertsOf(run), (std::vector<int>{kResultsAlert, 1106}));
    EXPECT_EQ(run.screens[0].front().alert(), "plain");
    EXPECT_EQ(ResultsIn(run.screens[0]),
              "Imported from import.csv: 1 added, 1 replaced, 1 line skipped. Line 1: bob comes "
              "again on line 2, which is imported instead.");
    EXPECT_EQ(run.screens[2].front().rows(),
              (Rows{{"Anna A", "5"}, {"Carl C", "9"}, {"Bob Two", "71"}, {"Dan D", "3"}}));
    EXPECT_EQ(LoginIn(run.screens[3]), "bob");

    // A reason longer than the alert takes is cut between two characters.
    std::string accents;
    for (int n = 0; n < 122; ++n)
        accents += "\xC3\xA9";
    RunResult cut = Import(accents + ",1,A\r\n" + accents + ",2,B\r\n", 2);
    ASSERT_EQ(cut.screens.size(), 3u) << cut.out;
    EXPECT_EQ(ResultsIn(cut.screens[0]),
              "Imported from import.csv: 1 added, 0 replaced, 1 line skipped. Line 1: " +
                  accents.substr(0, 242) + "\xE2\x80\xA6");
}

TEST_F(ImportTest, TheRepeatAlertShowsOnlyForALoginNameThatComesAgainInTheFile) {
    const struct {
        const char* what;
        std::string csv;
        std::vector<int> alerts;
    } cases[] = {
        {"lines that replace listed accounts",
         "bob,70,Bob New\r\ndan,3,Dan D\r\nanna,5,Anna A\r\n",
         {kResultsAlert}},
        {"a repeat that is refused", "dan,3,Dan D\r\ndan,0,Dan D\r\n", {1105}},
        {"a refused line that comes again", "dan,0,Dan D\r\ndan,3,Dan D\r\n", {1105, 1106}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteJAFile(kThreeEntries);
        RunResult run = Import(c.csv, int(c.alerts.size()));
        ASSERT_EQ(run.screens.size(), c.alerts.size() + 1) << run.out;
        EXPECT_EQ(AlertsOf(run), c.alerts);
    }
}

TEST_F(ImportTest, NothingToImportKeepsTheListAndActivatesSave) {
    const struct {
        std::string csv, results;
    } cases[] = {
        {"", "From import.csv: 0 added, 0 replaced, 0 lines skipped."},
        {"\r\n\r\n", "From import.csv: 0 added, 0 replaced, 0 lines skipped."},
        {"login,ID,user name\r\n",
         "From import.csv: 0 added, 0 replaced, 1 line skipped. Line 1: " + AlertMessage(1102)},
        {"just words",
         "From import.csv: 0 added, 0 replaced, 1 line skipped. Line 1: the line does not read "
         "login name,ID,user name."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.csv);
        WriteJAFile(kThreeEntries);
        RunResult run = Import(c.csv, 1);
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        EXPECT_EQ(AlertsOf(run), std::vector<int>{1107});
        EXPECT_TRUE(ShowsAlert(run.screens[0], 1107)) << "its message as before";
        EXPECT_EQ(ResultsIn(run.screens[0]), c.results);
        EXPECT_EQ(run.screens[1].front().rows(), kThreeRows);
        EXPECT_TRUE(run.screens[1].front().active(4)) << "Save";
    }
}

TEST_F(ImportTest, ALongLineKeepsItsFirst346Bytes) {
    const std::string login(255, 'l');
    RunResult run =
        Import(login + ",123456789," + std::string(134, 'u') + "\r\n", 1, PrintEditorOn(0));
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(AlertsOf(run), std::vector<int>{kResultsAlert});
    EXPECT_EQ(LoginIn(run.screens[2]), login);
    EXPECT_EQ(run.screens[2].front().text(9), std::string(80, 'u'));
}

TEST_F(ImportTest, AFullListTakesOnlyTheFirstLinesThatFit) {
    WriteJAFile(NumberedLines(1, 4998));
    // Sorted by user name, the imported entries come before "User ...".
    RunResult run = Import("n5,5,Aaa 5\r\nn1,1,Aaa 1\r\nn3,3,Aaa 3\r\nn2,2,Aaa 2\r\nn4,4,Aaa 4\r\n",
                           2, "menu \"Sort\" \"By User Name\"\nprint\n");
    ASSERT_EQ(run.screens.size(), 4u) << run.out;
    EXPECT_EQ(AlertsOf(run), (std::vector<int>{kResultsAlert, 1104}));
    EXPECT_EQ(ResultsIn(run.screens[0]),
              "Imported from import.csv: 2 added, 0 replaced, 3 lines skipped. Line 3: this line "
              "and 2 more with new login names are left out. " +
                  AlertMessage(1104));
    const WindowView& sorted = run.screens[3].front();
    EXPECT_EQ(sorted.list().rows, 1000);
    Rows top = sorted.rows();
    top.resize(3);
    EXPECT_EQ(top, (Rows{{"Aaa 1", "1"}, {"Aaa 5", "5"}, {"User 1", "1"}}));
}

TEST_F(ImportTest, SpreadsheetFilesGiveSensibleResults) {
    const struct {
        const char* what;
        std::string csv;
        std::vector<int> alerts;
        Rows rows;
    } cases[] = {
        {"byte-order mark, CR LF, a trailing empty line",
         "\xEF\xBB\xBF"
         "anna,5,Anna A\r\nbob,7,Bob B\r\n\r\n",
         {kResultsAlert},
         {{"Anna A", "5"}, {"Bob B", "7"}}},
        {"a header and quoted fields",
         "\"Login\",\"ID\",\"Name\"\r\n\"anna\",\"5\",\"Anna A\"\r\nbob,7,Bob B\r\n,,\r\n",
         {1105},
         {{"Bob B", "7"}}},
        {"UTF-16",
         std::string("a\0,\0"
                     "1\0,\0U\0\r\0\n\0",
                     14),
         {1107},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RunResult run = Import(c.csv, int(c.alerts.size()), "quit\nclick item 2\n");
        EXPECT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.screens.size(), c.alerts.size() + 1) << run.out;
        EXPECT_EQ(AlertsOf(run), c.alerts);
        EXPECT_EQ(run.screens.back().front().rows(), c.rows);
    }
}

TEST_F(ImportTest, CancelInTheChooserChangesNothing) {
    WriteJAFile(kThreeEntries);
    RunResult run = Run("menu \"File\" \"Import CSV…\"\ncancel\nprint\n");
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(run.screens[0].front().title, kListTitle);
    EXPECT_EQ(run.screens[0].front().rows(), kThreeRows);
    EXPECT_FALSE(run.screens[0].front().active(4)) << "Save";
}
