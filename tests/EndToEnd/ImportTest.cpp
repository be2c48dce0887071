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
            script += "print\nkey return\n";
        return Run(script + "print\n" + then);
    }

    // The import alerts the run showed, in order.
    static std::vector<int> AlertsOf(const RunResult& run) {
        std::vector<int> shown;
        for (const ScreenView& screen : run.screens)
            for (int id : {1104, 1105, 1106, 1107})
                if (ShowsAlert(screen, id)) shown.push_back(id);
        return shown;
    }
};

// Opens the editor on a row of the list, prints it and cancels it.
std::string PrintEditorOn(int row) {
    return "click row " + std::to_string(row) + "\nclick item 15\nprint\nclick item 3\n";
}

std::string LoginIn(const ScreenView& editor) {
    return editor.front().text(8);
}

} // namespace

TEST_F(ImportTest, ThreeLinesWithAnyLineEndGiveThreeEntriesInFileOrder) {
    const struct {
        const char *between, *last;
    } cases[] = {{"\r\n", "\r\n"}, {"\n", "\n"}, {"\r", "\r"}, {"\r\n", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << int(c.between[0]) << " last " << std::string(c.last).size());
        // A byte-order mark is not part of the first login name.
        const std::string csv = std::string("\xEF\xBB\xBF"
                                            "anna,5,Anna A") +
                                c.between + "bob,7,Bob B" + c.between + "carl,9,Carl C" + c.last;
        RunResult run = Import(csv, 0, PrintEditorOn(2) + PrintEditorOn(0));
        ASSERT_EQ(run.screens.size(), 3u) << run.out;
        EXPECT_EQ(AlertsOf(run), std::vector<int>{});
        EXPECT_EQ(run.screens[0].front().title, kListTitle);
        EXPECT_EQ(run.screens[0].front().rows(), kThreeRows);
        EXPECT_TRUE(run.screens[0].front().active(4)) << "Save";
        EXPECT_EQ(LoginIn(run.screens[1]), "carl");
        EXPECT_EQ(LoginIn(run.screens[2]), "anna");
    }
}

TEST_F(ImportTest, LinesBreakingARuleAreSkippedWithOneAlert) {
    RunResult run = Import("login,ID,user name\r\n"
                           "mary ann,4,Mary Ann\r\n"
                           "dave,12,Dave, Jr.\r\n"
                           "zed,012,Zed\r\n"
                           "eve,,Eve\r\n"
                           "no commas\r\n"
                           "bob,7,Bob B\r\n",
                           1, PrintEditorOn(0));
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].front().alert(), "stop");
    EXPECT_EQ(AlertsOf(run), std::vector<int>{1105});
    EXPECT_EQ(run.screens[1].front().rows(), (Rows{{"Mary Ann", "4"}, {"Bob B", "7"}}));
    EXPECT_EQ(LoginIn(run.screens[2]), "mary ann") << "a space is allowed in an imported login";
}

TEST_F(ImportTest, LastLineOfALoginNameWinsAndReplacesTheListedEntry) {
    WriteJAFile(kThreeEntries);
    RunResult run =
        Import("bob,70,Bob One\r\nbob,71,Bob Two\r\ndan,3,Dan D\r\n", 1, PrintEditorOn(2));
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(AlertsOf(run), std::vector<int>{1106});
    EXPECT_EQ(run.screens[1].front().rows(),
              (Rows{{"Anna A", "5"}, {"Carl C", "9"}, {"Bob Two", "71"}, {"Dan D", "3"}}));
    EXPECT_EQ(LoginIn(run.screens[2]), "bob");
}

TEST_F(ImportTest, SkippedAndRepeatedLinesShowBothAlertsInOrder) {
    RunResult run = Import("x,1,X\r\nx,2,X2\r\nbad,0,B\r\n", 2);
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(AlertsOf(run), (std::vector<int>{1105, 1106}));
    EXPECT_EQ(run.screens[2].front().rows(), (Rows{{"X2", "2"}}));
}

TEST_F(ImportTest, NothingToImportKeepsTheListAndActivatesSave) {
    for (const std::string csv : {"", "\r\n\r\n", "login,ID,user name\r\n", "just words"}) {
        SCOPED_TRACE(csv);
        WriteJAFile(kThreeEntries);
        RunResult run = Import(csv, 1);
        ASSERT_EQ(run.screens.size(), 2u) << run.out;
        EXPECT_EQ(AlertsOf(run), std::vector<int>{1107});
        EXPECT_EQ(run.screens[1].front().rows(), kThreeRows);
        EXPECT_TRUE(run.screens[1].front().active(4)) << "Save";
    }
}

TEST_F(ImportTest, ALongLineKeepsItsFirst346Bytes) {
    const std::string login(255, 'l');
    RunResult run =
        Import(login + ",123456789," + std::string(134, 'u') + "\r\n", 0, PrintEditorOn(0));
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    EXPECT_EQ(AlertsOf(run), std::vector<int>{});
    EXPECT_EQ(LoginIn(run.screens[1]), login);
    EXPECT_EQ(run.screens[1].front().text(9), std::string(80, 'u'));
}

TEST_F(ImportTest, AFullListTakesOnlyTheFirstLinesThatFit) {
    WriteJAFile(NumberedLines(1, 4998));
    // Sorted by user name, the imported entries come before "User ...".
    RunResult run = Import("n5,5,Aaa 5\r\nn1,1,Aaa 1\r\nn3,3,Aaa 3\r\nn2,2,Aaa 2\r\nn4,4,Aaa 4\r\n",
                           1, "menu \"Sort\" \"By User Name\"\nprint\n");
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(AlertsOf(run), std::vector<int>{1104});
    const WindowView& sorted = run.screens[2].front();
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
         {},
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
