// One master list applied to a machine's list, and compared with it, as configuration
// management does: exactly the master's accounts, nothing saved when nothing changes.
#include "AuditLog.h"
#include "ProgramRun.h"
#include "StrictJson.h"

#include <fcntl.h>
#include <sys/file.h>

namespace endtoend {
namespace {

TEST_F(ProgramTest, ApplyMakesTheListExactlyTheMastersAccountsAndSavesNothingTheSecondTime) {
    SKIP_UNLESS_ROOT();
    WriteFile(jaFile(), kThreeEntries); // anna 5, bob 7, carl 9
    const std::string master = domains.temp() / "master.csv";
    // A byte-order mark and LF line ends, as spreadsheets and editors write them.
    WriteFile(master, "\xef\xbb\xbf"
                      "dora,11,Dora D\nanna,6,Anna A\nbob,7,Bob B\n");

    RunResult dry = RunWith({"apply", "--dry-run", master});
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, "would remove carl\nwould add dora\nwould change anna\nwould apply " +
                           master + ": 1 added, 1 removed, 1 changed, 1 unchanged\n");
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);

    RunResult applied = RunWith({"apply", master});
    EXPECT_EQ(applied.status, 0) << applied.err;
    EXPECT_EQ(applied.err, "");
    EXPECT_EQ(applied.out, "removed carl\nadded dora\nchanged anna\napplied " + master +
                               ": 1 added, 1 removed, 1 changed, 1 unchanged\n");
    EXPECT_EQ(ReadFileText(jaFile()),
              Lines({{"dora", "11", "Dora D"}, {"anna", "6", "Anna A"}, {"bob", "7", "Bob B"}}));

    const auto kept = InodeAndTime(jaFile());
    input = master;
    RunResult again = RunWith({"apply", "-"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "nothing changed: the list holds the 3 accounts of - already\n");
    EXPECT_EQ(again.err, "");
    EXPECT_EQ(InodeAndTime(jaFile()), kept) << "nothing is saved when nothing changes";
    // The order of the accounts is not a change.
    WriteFile(master, "bob,7,Bob B\r\ndora,11,Dora D\r\nanna,6,Anna A\r\n");
    EXPECT_EQ(RunWith({"apply", master}).out,
              "nothing changed: the list holds the 3 accounts of " + master + " already\n");
    EXPECT_EQ(InodeAndTime(jaFile()), kept);
}

TEST_F(ProgramTest, ApplyRefusesAWholeMasterForAnyRefusedLineAndNamesEachOne) {
    SKIP_UNLESS_ROOT();
    WriteFile(jaFile(), kThreeEntries);
    const std::string master = domains.temp() / "master.csv";
    WriteFile(master, "anna,5,Anna A\nbob,07,Bob B\njust a line\ncarl,9,Carl \"C\"\n");
    RunResult refused = RunWith({"apply", master});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out,
              master +
                  ":2: skipped: The account ID must be a number from 1 to 999999999, typed "
                  "with digits only and without a leading 0.\n" +
                  master + ":3: skipped: the line does not read login name,ID,user name.\n" +
                  master +
                  ":4: skipped: A user name cannot contain commas, double quotes or line breaks. "
                  "Please remove them from the user name.\n");
    EXPECT_EQ(refused.err,
              "korvane: " + master + ": the lines above were refused; nothing was applied\n");
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);

    // A master without accounts: more likely a failed copy than a wish to bill no one.
    WriteFile(master, "");
    RunResult empty = RunWith({"apply", master});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "korvane: " + master +
                             " holds no accounts; nothing was applied. --allow-empty empties the "
                             "list\n");
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);

    // Lines of the list's own file that it cannot keep: the dry run refuses what the save would.
    WriteFile(jaFile(), kThreeEntries + "no commas here\r\n");
    WriteFile(master, "anna,5,Anna A\n");
    EXPECT_EQ(RunWith({"apply", "--dry-run", master}).status, 1);
    EXPECT_EQ(RunWith({"apply", master}).status, 1);
    EXPECT_EQ(RunWith({"apply", "--dry-run", "--force", master}).status, 0);
    WriteFile(master, "");
    EXPECT_EQ(RunWith({"apply", "--allow-empty", "--force", master}).status, 0);
    EXPECT_EQ(ReadFileText(jaFile()), "");
    WriteFile(jaFile(), kThreeEntries);

    // More accounts than the list holds.
    WriteFile(master, NumberedLines(1, kJAMaxEntries + 1));
    RunResult tooMany = RunWith({"apply", master});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_NE(tooMany.err.find("holds 5001 accounts"), std::string::npos) << tooMany.err;
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);

    // A master that cannot be read, and usage, have statuses of their own.
    RunResult missing = RunWith({"apply", domains.temp() / "none.csv"});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err,
              "korvane: " + domains.temp() / "none.csv" + ": No such file or directory\n");
    EXPECT_EQ(RunWith({"apply"}).status, 2);
    EXPECT_EQ(RunWith({"apply", "--now", master}).status, 2);
}

TEST_F(ProgramTest, DiffComparesTheListWithAMasterOrARunningProgramsWorkingCopy) {
    WriteFile(jaFile(), kThreeEntries);
    const std::string master = domains.temp() / "master.csv";
    WriteFile(master, "carl,9,Carl C\nanna,5,Anna A\nbob,7,Bob B\n");
    RunResult same = RunWith({"diff", master});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    WriteFile(master, "anna,6,Anna A\nbob,7,Bob B\ndora,11,Dora D\n");
    RunResult different = RunWith({"diff", master});
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.out, "removed carl,9,Carl C\nchanged anna,5,Anna A -> anna,6,Anna A\n"
                             "added dora,11,Dora D\n");
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);

    WriteFile(master, "anna,x,Anna A\n");
    RunResult trouble = RunWith({"diff", master});
    EXPECT_EQ(trouble.status, 2);
    EXPECT_NE(trouble.err.find(":1: skipped: The account ID must be"), std::string::npos);

    // Without a file: the working copy that a running program edits, and holds the lock of; a
    // copy that no run holds is a leftover, not a program's.
    RunResult none = RunWith({"diff"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err,
              "korvane: no run of the program has the list open (" + workingCopy() + ")\n");
    WriteFile(workingCopy(), Lines({{"anna", "5", "Anna A"}, {"bob", "8", "Bob B"}}));
    EXPECT_EQ(RunWith({"diff"}).status, 2);
    const int lock = open((userPrefs() + "/QZJA.lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    RunResult working = RunWith({"diff"});
    close(lock);
    EXPECT_EQ(working.status, 1);
    EXPECT_EQ(working.out, "removed carl,9,Carl C\nchanged bob,7,Bob B -> bob,8,Bob B\n");
}

TEST_F(ProgramTest, EveryChangingSubcommandSaysWhatItChangedAsJson) {
    SKIP_UNLESS_ROOT();
    WriteFile(jaFile(), kThreeEntries); // anna 5, bob 7, carl 9
    const std::string none = "\"added\": [], \"removed\": [], \"modified\": []";
    auto json = [&](std::vector<std::string> arguments) {
        arguments.push_back("--format=json");
        RunResult run = RunWith(arguments);
        EXPECT_TRUE(StrictJson::Valid(run.out)) << arguments[0] << ": " << run.out;
        EXPECT_EQ(run.err, "") << arguments[0];
        return run.out;
    };
    EXPECT_EQ(json({"add", "dora", "11", "Dora D"}),
              "{\"changed\": true, \"dry_run\": false, \"added\": [{\"login\": \"dora\", \"id\": "
              "11, \"user\": \"Dora D\"}], \"removed\": [], \"modified\": [], \"unchanged\": 3, "
              "\"skipped\": []}\n");
    EXPECT_EQ(json({"set", "bob", "--id", "8"}),
              "{\"changed\": true, \"dry_run\": false, \"added\": [], \"removed\": [], "
              "\"modified\": [{\"login\": \"bob\", \"before\": {\"login\": \"bob\", \"id\": 7, "
              "\"user\": \"Bob B\"}, \"after\": {\"login\": \"bob\", \"id\": 8, \"user\": \"Bob "
              "B\"}}], \"unchanged\": 3, \"skipped\": []}\n");
    EXPECT_EQ(json({"set", "bob", "--id", "8"}), "{\"changed\": false, \"dry_run\": false, " +
                                                     none +
                                                     ", \"unchanged\": 4, \"skipped\": []}\n");
    EXPECT_NE(json({"remove", "carl", "zed"}).find("\"removed\": [{\"login\": \"carl\""),
              std::string::npos);
    EXPECT_NE(json({"restore", "--dry-run"}).find("\"added\": [{\"login\": \"carl\""),
              std::string::npos);
    EXPECT_NE(json({"restore"})
                  .find("\"added\": [{\"login\": \"carl\", \"id\": 9, \"user\": "
                        "\"Carl C\"}], \"removed\": []"),
              std::string::npos)
        << "what the restore did, not what the list holds after it";

    const std::string master = domains.temp() / "master.csv";
    WriteFile(master, "anna,5,Anna A\nbob,8,Bob B\nbob,8,Bob B\n");
    const std::string applied = json({"apply", master});
    EXPECT_NE(applied.find("\"changed\": true"), std::string::npos) << applied;
    EXPECT_NE(applied.find("\"removed\": [{\"login\": \"dora\", \"id\": 11"), std::string::npos);
    EXPECT_NE(applied.find("\"skipped\": [{\"line\": 2, \"reason\": \"bob comes again on line 3, "
                           "which is imported instead.\", \"refused\": false}]"),
              std::string::npos);
    EXPECT_TRUE(json({"apply", master}).starts_with("{\"changed\": false, \"dry_run\": false"));
    EXPECT_NE(json({"import", master}).find("\"unchanged\": 2"), std::string::npos);

    WriteFile(master, "anna,x,Anna A\n");
    RunResult refused = RunWith({"apply", master, "--format=json"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(StrictJson::Valid(refused.out)) << refused.out;
    EXPECT_NE(refused.out.find("\"changed\": false"), std::string::npos);
    EXPECT_NE(refused.out.find("{\"line\": 1, \"reason\": \"The account ID must be"),
              std::string::npos);
    EXPECT_EQ(RunWith({"apply", master, "--format=yaml"}).status, 2);
}

TEST_F(ProgramTest, EveryCommitLeavesOneAuditEntrySayingWhoChangedWhat) {
    SKIP_UNLESS_ROOT();
    AuditLog log;
    WriteFile(jaFile(), kThreeEntries); // anna 5, bob 7, carl 9
    const std::string master = domains.temp() / "master.csv";
    WriteFile(master, "anna,6,Anna A\nbob,7,Bob B\ndora,11,Dora D\n");
    {
        testsupport::ScopedEnv sudo("SUDO_USER", "alice");
        ASSERT_EQ(RunWith({"apply", master}).status, 0);
    }
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"alice (via sudo) saved " + jaFile() +
                                                      ": 1 added (dora), 1 removed (carl), 1 "
                                                      "changed (anna); 3 accounts"});
    // Nothing saved, nothing logged; a save from the program is logged as one from a command.
    ASSERT_EQ(RunWith({"apply", master}).status, 0);
    EXPECT_TRUE(log.Entries().empty());
    RunResult saved = Run("click row 0\nclick item 16\nclick item 4\nprint\nadmin \"root\" \"pw\"\n"
                          "print\nquit\n");
    EXPECT_EQ(saved.status, 0) << saved.err;
    const std::vector<std::string> entries = log.Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].ends_with(" saved " + jaFile() +
                                     ": 0 added, 1 removed (anna), 0 changed; 2 accounts"))
        << entries[0];
}

} // namespace
} // namespace endtoend
