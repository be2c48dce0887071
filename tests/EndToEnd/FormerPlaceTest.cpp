// A job-accounting file where earlier versions kept it (/Library/Preferences) is read there by
// every reader, and the first save moves it to /etc and says so.
#include "AuditLog.h"
#include "ProgramRun.h"
#include "StrictJson.h"

namespace endtoend {
namespace {

class FormerPlaceTest : public ProgramTest {
  protected:
    std::string formerFolder() const {
        return domains.localRoot() + "/Library/Preferences/Korvane";
    }
    std::string formerFile() const { return formerFolder() + "/JobAccounting"; }

    void WriteFormerFile(const std::string& bytes) {
        std::filesystem::remove_all(oemFolder());
        std::filesystem::remove_all(formerFolder());
        WriteFile(formerFile(), bytes);
        WriteFile(formerFile() + "-", "older,1,Older\r\n");
    }
    void ExpectMoved(const std::string& before) {
        EXPECT_EQ(ReadFileText(jaFile() + "-"), before) << "the backup is the file as it was";
        EXPECT_TRUE(std::filesystem::is_empty(formerFolder())) << "nothing stays behind";
    }
};

TEST_F(FormerPlaceTest, TheCommandLineReadsTheFormerPlaceUntilItsFirstSaveMovesTheFile) {
    SKIP_UNLESS_ROOT();
    WriteFormerFile(kThreeEntries);
    const std::string pending = "Job-accounting file:          " + jaFile() +
                                "\nStill read from:              " + formerFile() + "\n";
    EXPECT_NE(RunWith({"--locations"}).out.find(pending), std::string::npos);
    EXPECT_EQ(RunWith({"get", "bob"}).out, "7\n");
    RunResult unchanged = RunWith({"remove", "nobody"});
    EXPECT_EQ(unchanged.out, "unchanged nobody\n") << "nothing to save, nothing moved";
    EXPECT_FALSE(std::filesystem::exists(jaFile()));

    AuditLog log;
    RunResult added = RunWith({"add", "dora", "11", "Dora D"});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.err, "");
    EXPECT_EQ(added.out, "moved " + formerFile() + " to " + jaFile() + "\nadded dora\n");
    ExpectMoved(kThreeEntries);
    EXPECT_EQ(RunWith({"get", "dora"}).out, "11\n");
    const std::vector<std::string> entries = log.Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_NE(entries[0].find(" saved " + jaFile() + ": 1 added (dora)"), std::string::npos)
        << entries[0];
    const std::string settled = RunWith({"--locations"}).out;
    EXPECT_NE(settled.find("Job-accounting file:          " + jaFile() + "\n"), std::string::npos);
    EXPECT_EQ(settled.find("Still read from"), std::string::npos) << settled;
    EXPECT_EQ(RunWith({"remove", "dora"}).out, "removed dora\n");

    WriteFormerFile(kThreeEntries);
    RunResult json = RunWith({"remove", "anna", "--format=json"});
    EXPECT_TRUE(StrictJson::Valid(json.out)) << json.out;
    EXPECT_NE(json.out.find(", \"moved_from\": \"" + formerFile() + "\"}"), std::string::npos)
        << json.out;
    ExpectMoved(kThreeEntries);
}

TEST_F(FormerPlaceTest, TheProgramsFirstSaveMovesTheFileAndSaysWhereItIsNow) {
    SKIP_UNLESS_ROOT();
    WriteFormerFile(kThreeEntries);
    RunResult run = Run("print\nclick row 0\nclick item 16\nclick item 4\nadmin \"root\" "
                        "\"pw\"\nprint\nclick item 1\nprint\nquit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.screens.size(), 3u) << run.out;
    EXPECT_EQ(run.screens[0].front().rows(), kThreeRows) << "read from the former place";
    const WindowView& moved = run.screens[1].front();
    ASSERT_FALSE(moved.alert().empty()) << run.screens[1].text;
    EXPECT_NE(moved.text(2).find(formerFile()), std::string::npos) << moved.text(2);
    EXPECT_NE(moved.text(2).find(jaFile()), std::string::npos) << moved.text(2);
    EXPECT_EQ(run.screens[2].front().title, kListTitle);
    EXPECT_FALSE(run.screens[2].front().active(4)) << "saved";
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"bob", "7", "Bob B"}, {"carl", "9", "Carl C"}}));
    ExpectMoved(kThreeEntries);
}

} // namespace
} // namespace endtoend
