// Export: Command-E over the list writes the working copy to a text file named in a save sheet.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

// Over the list dialog, left of where the save sheet hangs; and away from every window.
const std::string kExportKey = "key e cmd at 48 200\n";
const std::string kOutsideKey = "key e cmd at 620 440\n";
const std::string kTwoEntries = Lines({{"ann", "42", "Ann Lee"}, {"bob", "7", "Bob B"}});

std::optional<UInt16> FinderFlags(const std::string& path) {
    FSSpec spec;
    FInfo info;
    if (PathToFSSpec(path.c_str(), &spec) != noErr ||
        testsupport::GetFileFinderInfo(spec, &info) != noErr)
        return std::nullopt;
    return info.fdFlags;
}

// The windows of a printout that are not the list.
int OtherWindows(const ScreenView& screen) {
    return int(screen.windows.size()) - screen.count(kListTitle);
}

class ExportTest : public ProgramTest {
  protected:
    std::string Export(const std::string& name) const { return domains.temp() / name; }
    std::string Choose(const std::string& name) const {
        return "choose " + Quoted(Export(name)) + "\n";
    }
};

} // namespace

TEST_F(ExportTest, WritesTheWorkingCopyAsATextFileAndASecondExportEndsTheFirstSheet) {
    WriteJAFile(kTwoEntries);
    RunResult run =
        Run(kExportKey + kExportKey + "print\n" + Choose("Accounts.txt") + "print\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    EXPECT_EQ(OtherWindows(run.screens[0]), 1) << "one save sheet only";
    EXPECT_EQ(OtherWindows(run.screens[1]), 0);
    EXPECT_EQ(run.screens[1].front().title, kListTitle);
    EXPECT_EQ(ReadFileText(Export("Accounts.txt")), kTwoEntries);
    EXPECT_EQ(TypeAndCreator(Export("Accounts.txt")),
              std::make_pair(std::string("TEXT"), std::string("ttxt")));
    EXPECT_EQ(FinderFlags(Export("Accounts.txt")), 0);
}

TEST_F(ExportTest, SavingOverAFileReplacesItAfterAskingAndTheStationeryFlagFollowsTheReply) {
    WriteJAFile(kTwoEntries);
    WriteFile(Export("Accounts.txt"), "old,1,Old\r\n");
    FSSpec spec;
    ASSERT_EQ(PathToFSSpec(Export("Accounts.txt").c_str(), &spec), noErr);
    FInfo old{FOUR_CHAR_CODE("WDBN"), FOUR_CHAR_CODE("MSWD"), kIsInvisible, {0, 0}, 0};
    ASSERT_EQ(testsupport::SetFileFinderInfo(spec, old), noErr);

    RunResult run = Run(kExportKey + "click item 7\n" + Choose("Accounts.txt") +
                        "print\nclick item 1\nprint\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 2u) << run.out;
    EXPECT_FALSE(run.screens[0].front().alert().empty()) << "the replace question";
    EXPECT_EQ(OtherWindows(run.screens[1]), 0);
    EXPECT_EQ(ReadFileText(Export("Accounts.txt")), kTwoEntries);
    EXPECT_EQ(TypeAndCreator(Export("Accounts.txt")),
              std::make_pair(std::string("TEXT"), std::string("ttxt")));
    EXPECT_EQ(FinderFlags(Export("Accounts.txt")), kIsStationery) << "the old flags are gone";

    // Not asking for stationery clears the flag again.
    run = Run(kExportKey + Choose("Accounts.txt") + "click item 1\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FinderFlags(Export("Accounts.txt")), 0);
}

// With the list in front Command-E exports wherever the pointer is (a terminal has none to put
// over the list); with another window in front only over the list.
TEST_F(ExportTest, CommandEExportsWithTheListInFrontOrOverItAndNothingIsWrittenAfterCancel) {
    WriteJAFile(kTwoEntries);
    // The sheet is cancelled in the folder whose contents are checked.
    RunResult run = Run("click item 14\n" + kOutsideKey + "print\nkey escape\nkey e at 48 200\n" +
                        "print\n" + kOutsideKey + "print\ncancel\n" + kExportKey + "choose " +
                        Quoted(domains.temp().str()) + "\ncancel\nprint\n" +
                        "menu \"File\" \"Export…\"\nprint\ncancel\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 5u) << run.out;
    EXPECT_EQ(OtherWindows(run.screens[0]), 1) << "the editor alone: " << run.screens[0].text;
    EXPECT_EQ(OtherWindows(run.screens[1]), 0) << "a plain E exports nothing";
    EXPECT_EQ(OtherWindows(run.screens[2]), 1) << "the save sheet: " << run.screens[2].text;
    EXPECT_EQ(OtherWindows(run.screens[3]), 0) << run.screens[3].text;
    EXPECT_EQ(OtherWindows(run.screens[4]), 1) << "File > Export…: " << run.screens[4].text;
    EXPECT_FALSE(std::filesystem::exists(Export("Job Accounts.txt")));
}

// Type and creator live on the export itself: nothing "._" beside it, on disk or on tmpfs, and a
// sidecar an earlier version left beside the file replaced goes with the old content.
TEST_F(ExportTest, LeavesNoSidecarBesideTheExport) {
    WriteJAFile(kTwoEntries);
    std::vector<std::string> folders{domains.temp().str()};
    std::optional<testsupport::TempFolder> shared;
    if (std::filesystem::is_directory("/dev/shm"))
        folders.push_back(shared.emplace("/dev/shm").str());
    for (const std::string& folder : folders) {
        const std::string fresh = folder + "/Accounts.txt", old = folder + "/Old.txt";
        WriteFile(old, "old,1,Old\r\n");
        ASSERT_TRUE(
            testsupport::WriteEarlierSidecar(old, FOUR_CHAR_CODE("WDBN"), FOUR_CHAR_CODE("MSWD")));
        ASSERT_EQ(TypeAndCreator(old), std::make_pair(std::string("WDBN"), std::string("MSWD")));

        RunResult run = Run(kExportKey + "choose " + Quoted(fresh) + "\n" + kExportKey + "choose " +
                            Quoted(old) + "\nclick item 1\nquit\n");
        EXPECT_EQ(run.status, 0) << run.err;
        for (const std::string& path : {fresh, old}) {
            EXPECT_EQ(ReadFileText(path), kTwoEntries) << path;
            EXPECT_EQ(TypeAndCreator(path),
                      std::make_pair(std::string("TEXT"), std::string("ttxt")))
                << path;
        }
        for (const auto& item : std::filesystem::directory_iterator(folder))
            EXPECT_FALSE(item.path().filename().string().starts_with("._")) << item.path();
    }
}
