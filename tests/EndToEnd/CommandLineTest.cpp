// The subcommands for scripts, run as the real program against temporary local domains.
#include "ProgramRun.h"

using namespace endtoend;

TEST_F(ProgramTest, ListPrintsTheAccountsInFileOrderInEachFormat) {
    // An empty list, and no file at all, list nothing.
    RunResult none = RunWith({"list", "--format=json"});
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "[]\n");

    WriteJAFile(Lines({{"bob", "7", "Bob B"}, {"anna", "5", "Anna \"A\", Jr"}}));
    RunResult text = RunWith({"list"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "bob              7          Bob B\n"
                        "anna             5          Anna \"A\", Jr\n");
    RunResult csv = RunWith({"list", "--format=csv"});
    EXPECT_EQ(csv.out, "bob,7,Bob B\nanna,5,\"Anna \"\"A\"\", Jr\"\n");
    RunResult json = RunWith({"list", "--format=json"});
    EXPECT_EQ(json.out,
              "[\n  {\"login\": \"bob\", \"user\": \"Bob B\", \"id\": \"7\"},\n"
              "  {\"login\": \"anna\", \"user\": \"Anna \\\"A\\\", Jr\", \"id\": \"5\"}\n]\n");

    RunResult bad = RunWith({"list", "--format=xml"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "usage: korvane list [--format=csv|json|text]\n");
}

TEST_F(ProgramTest, ExportWritesTheFileUnchangedAndLeavesATargetWholeOnFailure) {
    const std::string bytes = "carl,9,Carl C\rbob,7,Bob B\r\nodd line";
    WriteJAFile(bytes);
    RunResult out = RunWith({"export"});
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out, bytes);

    const std::string target = domains.temp() / "exported.txt";
    WriteFile(target, "old");
    EXPECT_EQ(RunWith({"export", target}).status, 0);
    EXPECT_EQ(ReadFileText(target), bytes);
    EXPECT_FALSE(std::filesystem::exists(target + ".korvane-new"));

    // A folder cannot be a target, and a missing folder holds none; nothing is left behind.
    RunResult folder = RunWith({"export", domains.temp().str()});
    EXPECT_EQ(folder.status, 3);
    EXPECT_NE(folder.err, "");
    RunResult missing = RunWith({"export", domains.temp() / "no/such/file"});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(RunWith({"export", "a", "b"}).status, 2);
    EXPECT_EQ(ReadFileText(jaFile()), bytes);
}

TEST_F(ProgramTest, CheckNamesEachBadLineWithTheRuleItBreaks) {
    const std::string file = domains.temp() / "list.txt";
    WriteFile(file, "a,1,A\r\n,2,B\r\nb b,3,C\r\nc,012,D\r\nd,4," + std::string(81, 'u') +
                        "\r\ne,5,E\"\r\na,6,F\r\ntrailing");
    RunResult run = RunWith({"check", file});
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string at = file + ":";
    EXPECT_EQ(run.out,
              at +
                  "2: Please type a login name: the name the user logs in with. Every entry "
                  "needs one.\n" +
                  at +
                  "3: A login name cannot contain spaces, commas, double quotes or line "
                  "breaks. Please remove them from the login name.\n" +
                  at +
                  "4: The account ID must be a number from 1 to 999999999, typed with "
                  "digits only and without a leading 0.\n" +
                  at +
                  "5: The user name is longer than 80 characters. Please shorten it. "
                  "Accented letters and other special characters count as two or more.\n" +
                  at +
                  "6: A user name cannot contain commas, double quotes or line breaks. "
                  "Please remove them from the user name.\n" +
                  at + "7: The login name of line 1 again: each login name has one entry.\n" + at +
                  "8: The line does not end with a CR: it is not read.\n");

    // The job-accounting file when none is named; a clean one passes.
    WriteJAFile(kThreeEntries);
    RunResult clean = RunWith({"check"});
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out, "");

    // Lines past the list's capacity are not read.
    std::string many;
    for (int i = 1; i <= 5002; ++i)
        many += "u" + std::to_string(i) + "," + std::to_string(i) + ",U\r\n";
    WriteFile(file, many);
    RunResult full = RunWith({"check", file});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.out, at + "5001: This line and the 1 after it are not read: the list holds "
                             "5000 entries.\n");

    // Binary data, a folder, a missing file.
    WriteFile(file, std::string("\x7f"
                                "ELF\x02\x01\x01\0\0\0,\r\n",
                                13));
    EXPECT_EQ(RunWith({"check", file}).status, 1);
    RunResult folder = RunWith({"check", domains.temp().str()});
    EXPECT_EQ(folder.status, 3);
    EXPECT_NE(folder.err.find("Is a directory"), std::string::npos) << folder.err;
    EXPECT_EQ(RunWith({"check", domains.temp() / "missing"}).status, 3);
}
