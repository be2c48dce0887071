// Start-up, window positions and the ways the program ends.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

// The origin "X,Y" as a saved position holds it.
std::string Origin(const std::optional<DialogPositionRec>& position) {
    return position ? std::to_string(position->left) + "," + std::to_string(position->top) : "none";
}

} // namespace

TEST_F(ProgramTest, FirstStartCreatesThePreferencesFilesAndRecordsTheListPosition) {
    // The list window dragged by its title bar: the position recorded is where it was left.
    RunResult run = Run("print\ndrag 300 40 to 420 200\nprint\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    const WindowView& list = run.screens[0].front();
    EXPECT_EQ(list.title, kListTitle);
    EXPECT_EQ(list.list().rows, 0);
    for (int item : {3, 14})
        EXPECT_TRUE(list.active(item)) << "item " << item;
    for (int item : {4, 15, 16, 20, 21, 22})
        EXPECT_FALSE(list.active(item)) << "item " << item;
    EXPECT_EQ(list.text(14), "New…");

    EXPECT_EQ(TypeAndCreator(prefsFile()),
              std::make_pair(std::string("pref"), std::string("Wqtz")));
    EXPECT_TRUE(std::filesystem::exists(userPrefs() + "/._Korvane Preferences"));
    EXPECT_FALSE(std::filesystem::exists(workingCopy())) << "the working copy goes at the end";
    EXPECT_FALSE(std::filesystem::exists(jaFile())) << "nothing to commit, nothing written";
    const std::string first = list.origin(), moved = run.screens[1].front().origin();
    EXPECT_NE(moved, first) << "the drag moved the list";
    EXPECT_EQ(Origin(SavedPosition(1007)), moved);
    EXPECT_FALSE(SavedPosition(1008).has_value()) << "the editor never opened";

    // The position is recorded, not applied: the next run opens the list where it was at first.
    run = Run("print\nquit\n");
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(run.screens[0].front().origin(), first);
    EXPECT_EQ(Origin(SavedPosition(1007)), first);
}

TEST_F(ProgramTest, EditorPositionIsRecordedWhenItClosesAndAtTheEnd) {
    RunResult run = Run("click item 14\ndrag 300 104 to 500 404\nprint\nclick item 3\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(run.screens[0].front().title, kEditorTitle);
    EXPECT_EQ(Origin(SavedPosition(1008)), run.screens[0].front().origin());
    EXPECT_EQ(Origin(SavedPosition(1007)), run.screens[0].window(kListTitle)->origin());

    // Still open at the end: recorded as the program closes it.
    run = Run("click item 14\ndrag 300 104 to 200 504\nprint\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 1u) << run.out;
    EXPECT_EQ(Origin(SavedPosition(1008)), run.screens[0].front().origin());
}

// A working copy left by a run that was killed holds changes it never saved: they are offered,
// and recovered (Save active) or discarded for the file as it is, never overwritten unasked.
TEST_F(ProgramTest, ALeftoverWorkingCopysChangesAreRecoveredOrDiscardedAsThePersonChooses) {
    // Longer than the system file, so a copy that only overwrote the start would show.
    const std::string leftover = Lines({{"old1", "11", "Old One"},
                                        {"old2", "12", "Old Two"},
                                        {"old3", "13", "Old Three"},
                                        {"old4", "14", "Old Four"}});
    const std::string file = Lines({{"anna", "5", "Anna A"}, {"bob", "7", "Bob B"}});
    const std::string recoverText = "Korvane ended last time without saving changes to the list.";
    WriteFile(workingCopy(), leftover);
    WriteJAFile(file);
    RunResult discarded = Run("print\nclick item 2\nprint\nquit\n");
    EXPECT_EQ(discarded.status, 0) << discarded.err;
    ASSERT_EQ(discarded.screens.size(), 2u) << discarded.out;
    EXPECT_NE(discarded.screens[0].text.find(recoverText), std::string::npos)
        << discarded.screens[0].text;
    const std::vector<std::vector<std::string>> fileRows = {{"Anna A", "5"}, {"Bob B", "7"}};
    EXPECT_EQ(discarded.screens[1].front().rows(), fileRows);
    EXPECT_FALSE(std::filesystem::exists(workingCopy()));

    WriteFile(workingCopy(), leftover);
    RunResult recovered = Run("click item 1\nprint\nquit\nclick item 2\n");
    ASSERT_EQ(recovered.screens.size(), 1u) << recovered.out;
    EXPECT_EQ(recovered.screens[0].front().list().rows, 4);
    EXPECT_TRUE(recovered.screens[0].front().active(4)) << "Save";
    EXPECT_EQ(ReadFileText(jaFile()), file) << "nothing is saved unasked";

    // Without a system file the leftover is offered the same way; one that equals the file is
    // no change, and opens without a question.
    std::filesystem::remove(jaFile());
    WriteFile(workingCopy(), leftover);
    recovered = Run("click item 1\nprint\nquit\nclick item 2\n");
    ASSERT_EQ(recovered.screens.size(), 1u) << recovered.out;
    EXPECT_EQ(recovered.screens[0].front().list().rows, 4);
    WriteFile(workingCopy(), leftover);
    discarded = Run("click item 2\nprint\nquit\n");
    ASSERT_EQ(discarded.screens.size(), 1u) << discarded.out;
    EXPECT_EQ(discarded.screens[0].front().list().rows, 0) << "discarded means gone";
    WriteJAFile(file);
    WriteFile(workingCopy(), file);
    RunResult same = Run("print\nquit\n");
    ASSERT_EQ(same.screens.size(), 1u) << same.out;
    EXPECT_EQ(same.screens[0].front().rows(), fileRows);
}

TEST_F(ProgramTest, AFolderInThePlaceOfThePreferencesFileStopsTheStart) {
    std::filesystem::create_directories(prefsFile());
    RunResult run = Run("print\nkey return\nprint\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 1u) << "the program ends after the alert\n" << run.out;
    EXPECT_EQ(run.screens[0].front().alert(), "caution");
    EXPECT_TRUE(run.screens[0].front().hasStatic(ErrorMessage(1))) << run.screens[0].text;
    EXPECT_EQ(run.screens[0].window(kListTitle), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(prefsFile()));
}

// Without its resources the program could show no alert, and without a menu bar nothing could be
// chosen: either way it says so on standard error and fails, never a quiet success.
TEST_F(ProgramTest, ABundleWithoutItsResourcesOrMenuBarSaysSoAndFails) {
    const std::filesystem::path copy = domains.temp().path() / "Korvane.app";
    std::filesystem::copy(KORVANE_BUILD_BUNDLE, copy, std::filesystem::copy_options::recursive);
    bundle = copy;
    const std::filesystem::path resources = copy / "Contents/Resources";
    std::filesystem::rename(resources / "Korvane.rsrc", resources / "Korvane.rsrc.away");
    const RunResult missing = Run("print\nquit\n");
    EXPECT_EQ(missing.status, 3);
    EXPECT_TRUE(missing.screens.empty()) << missing.out;
    EXPECT_NE(missing.err.find((resources / "Korvane.rsrc").string() + " (no such file"),
              std::string::npos)
        << missing.err;

    std::filesystem::rename(resources / "Korvane.rsrc.away", resources / "Korvane.rsrc");
    const std::string nib = resources / "Korvane.nib.xml";
    std::string interface = ReadFileText(nib);
    interface.replace(interface.find("name=\"MainMenu\""), 15, "name=\"Elsewhere\"");
    WriteFile(nib, interface);
    const RunResult noMenuBar = Run("print\nquit\n");
    EXPECT_EQ(noMenuBar.status, 3);
    EXPECT_TRUE(noMenuBar.screens.empty()) << noMenuBar.out;
    EXPECT_NE(noMenuBar.err.find("cannot set the menu bar \"MainMenu\""), std::string::npos)
        << noMenuBar.err;
}

TEST_F(ProgramTest, QuittingWithoutChangesAsksNothing) {
    WriteJAFile(kThreeEntries);
    for (const char* quit : {"quit\n", "click close\n"}) {
        RunResult run = Run(std::string("print\n") + quit + "print\n");
        EXPECT_EQ(run.screens.size(), 1u) << quit << "the program ended at once";
        EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
    }
}

TEST_F(ProgramTest, QuittingWithChangesAndNotSavingWritesNothing) {
    const struct {
        const char* quit;
        const char* answer;
    } cases[] = {
        {"quit", "click item 2"},        {"quit", "key d cmd"}, // Command-D: Don't Save
        {"key q cmd", "click item 2"},   {"menu \"Korvane\" \"Quit Korvane\"", "click item 2"},
        {"click close", "click item 2"}, {"menu \"File\" \"Quit\"", "key d cmd"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.quit) + " / " + c.answer);
        WriteJAFile(kThreeEntries);
        RunResult run = Run(std::string("click row 1\nclick item 16\n") + c.quit + "\nprint\n" +
                            c.answer + "\nprint\n");
        EXPECT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.screens.size(), 1u) << run.out;
        EXPECT_TRUE(ShowsAlert(run.screens[0], 1009)) << run.screens[0].text;
        EXPECT_EQ(run.screens[0].front().alert(), "caution");
        EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
        EXPECT_FALSE(std::filesystem::exists(workingCopy()));
    }
}

TEST_F(ProgramTest, SavingAtQuitCommitsAndEnds) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(kThreeEntries);
    RunResult run =
        Run("click row 1\nclick item 16\nclick close\nclick item 1\nadmin \"root\" \"pw\"\n"
            "print\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.screens.empty()) << "the program ended with the commit\n" << run.out;
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"anna", "5", "Anna A"}, {"carl", "9", "Carl C"}}));
    EXPECT_FALSE(std::filesystem::exists(workingCopy()));
}

// Escape at the question about unsaved changes is Cancel: the program keeps running with them.
TEST_F(ProgramTest, EscapeAtTheQuitQuestionKeepsTheProgramRunningWithItsChanges) {
    WriteJAFile(kThreeEntries);
    RunResult run = Run("click row 0\nclick item 16\nquit\nprint\nkey escape\nprint\n"
                        "quit\nclick item 2\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    EXPECT_TRUE(ShowsAlert(run.screens[0], 1009)) << run.screens[0].text;
    EXPECT_EQ(run.screens[0].front().text(4), "Cancel");
    const WindowView& list = run.screens[1].front();
    EXPECT_EQ(list.title, kListTitle);
    EXPECT_TRUE(list.active(4)) << "Save: the changes are still there";
    EXPECT_EQ(list.rows(), (Rows{{"Bob B", "7"}, {"Carl C", "9"}}));
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
}
