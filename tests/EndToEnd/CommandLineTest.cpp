// The subcommands for scripts, run as the real program against temporary local domains.
#include "ProgramRun.h"
#include "StrictJson.h"

#include <fcntl.h>
#include <sys/file.h>

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
              "[\n  {\"login\": \"bob\", \"id\": 7, \"user\": \"Bob B\"},\n"
              "  {\"login\": \"anna\", \"id\": 5, \"user\": \"Anna \\\"A\\\", Jr\"}\n]\n");
    EXPECT_TRUE(StrictJson::Valid(json.out));

    // Whatever the file holds: control characters, bytes that are not UTF-8, an ID that is not
    // a number; and columns that line up by characters.
    WriteJAFile(
        "j\xc3\xb6rg,12,J\xc3\xb6rg \x01\t\x7f\r\nlat1,012,Caf\xe9 \xed\xa0\x80\r\nbob,7,Bob\r\n");
    RunResult odd = RunWith({"list", "--format=json"});
    EXPECT_TRUE(StrictJson::Valid(odd.out)) << odd.out;
    EXPECT_EQ(odd.out, "[\n  {\"login\": \"j\xc3\xb6rg\", \"id\": 12, \"user\": \"J\xc3\xb6rg "
                       "\\u0001\\u0009\\u007f\"},\n"
                       "  {\"login\": \"lat1\", \"id\": \"012\", \"user\": \"Caf\\udce9 "
                       "\\udced\\udca0\\udc80\"},\n"
                       "  {\"login\": \"bob\", \"id\": 7, \"user\": \"Bob\"}\n]\n");
    EXPECT_EQ(RunWith({"list"}).out.substr(0, 29), "j\xc3\xb6rg             12         ");

    RunResult bad = RunWith({"list", "--format=xml"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "usage: korvane list [--format=csv|json|text]\n");

    // Options the program cannot use say why.
    RunResult script = RunWith({"--display=window", "--script", "-"});
    EXPECT_EQ(script.status, 2);
    EXPECT_NE(script.err.find("a script runs on the headless display only, not with "
                              "'--display=window'"),
              std::string::npos)
        << script.err;
    EXPECT_NE(RunWith({"--bogus"}).err.find("unknown option '--bogus'"), std::string::npos);
}

TEST_F(ProgramTest, ExportWritesTheFileUnchangedAndLeavesATargetWholeOnFailure) {
    const std::string bytes = "carl,9,Carl C\rbob,7,Bob B\r\nodd line";
    WriteJAFile(bytes);
    RunResult out = RunWith({"export"});
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out, bytes);

    const std::string target = domains.temp() / "exported.txt";
    WriteFile(target, "old");
    std::filesystem::permissions(target, std::filesystem::perms(0640));
    // Links planted under the names an earlier version wrote through are never followed.
    const std::string victim = domains.temp() / "victim";
    WriteFile(victim, "root's own\n");
    std::filesystem::create_symlink(victim, target + ".korvane-new");
    EXPECT_EQ(RunWith({"export", target}).status, 0);
    EXPECT_EQ(ReadFileText(target), bytes);
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(ReadFileText(victim), "root's own\n");
    const std::string fresh = domains.temp() / "fresh.txt";
    EXPECT_EQ(RunWith({"export", fresh}).status, 0);
    EXPECT_EQ(std::filesystem::status(fresh).permissions(), std::filesystem::perms(0600));

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
    WriteJAFile("a,1,A\r\n,2,B\r\nb b,3,C\r\nc,012,D\r\nd,4," + std::string(81, 'u') +
                "\r\ne,5,E\"\r\na,6,F\r\ntrailing");
    RunResult run = RunWith({"check"});
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string at = jaFile() + ":";
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
                  "8: The line does not hold a login name, an ID and a user name, separated by "
                  "commas.\n");

    // A clean one passes.
    WriteJAFile(kThreeEntries);
    RunResult clean = RunWith({"check"});
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out, "");

    // Lines past the list's capacity are not read.
    std::string many;
    for (int i = 1; i <= 5002; ++i)
        many += "u" + std::to_string(i) + "," + std::to_string(i) + ",U\r\n";
    WriteJAFile(many);
    RunResult full = RunWith({"check"});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.out, at + "5001: This line and the 1 after it are not read: the list holds "
                             "5000 entries.\n");

    // Binary data, a missing file.
    WriteJAFile(std::string("\x7f"
                            "ELF\x02\x01\x01\0\0\0,\r\n",
                            13));
    EXPECT_EQ(RunWith({"check"}).status, 1);
    RunResult missing = RunWith({"check", domains.temp() / "missing"});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err,
              "korvane: " + domains.temp() / "missing" + ": No such file or directory\n");
}

TEST_F(ProgramTest, CheckOfAFileNamesTheLinesAnImportOrAnApplyWouldLeaveOut) {
    // What spreadsheets write: a byte-order mark, LF line ends, a last empty line.
    const std::string file = domains.temp() / "master.csv";
    WriteFile(file, "\xef\xbb\xbf"
                    "anna,5,Anna A\nbob,7,Bob B\n\n");
    RunResult clean = RunWith({"check", file});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_EQ(clean.out, "");

    WriteFile(file, "anna,5,Anna A\nbob,x,Bob B\nanna,6,Anna A\n");
    RunResult bad = RunWith({"check", file});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, file +
                           ":1: skipped: anna comes again on line 3, which is imported "
                           "instead.\n" +
                           file +
                           ":2: skipped: The account ID must be a number from 1 to 999999999, "
                           "typed with digits only and without a leading 0.\n");
    // Exactly what apply refuses, and apply's reasons.
    EXPECT_EQ(RunWith({"apply", "--dry-run", file}).out, bad.out);
    EXPECT_EQ(ReadFileText(jaFile()), "");
}

TEST_F(ProgramTest, AddSetAndRemoveKeepTheEditorsRulesAndCommitAsSaveDoes) {
    SKIP_UNLESS_ROOT();
    RunResult added = RunWith({"add", "ann", "42", "Ann", "Lee"});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "added ann\n");
    EXPECT_EQ(added.err, "") << "a run that succeeds says nothing on standard error";
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"ann", "42", "Ann Lee"}}));
    EXPECT_EQ(TypeAndCreator(jaFile()), std::make_pair(std::string("TEXT"), std::string("????")));
    EXPECT_EQ(std::filesystem::status(oemFolder()).permissions(), std::filesystem::perms(0755));
    EXPECT_EQ(std::filesystem::status(jaFile()).permissions(), std::filesystem::perms(0644));
    EXPECT_FALSE(std::filesystem::exists(workingCopy())) << "the working copy goes at the end";

    // New entries go first, as the editor adds them; a listed login needs --replace.
    EXPECT_EQ(RunWith({"add", "bob", "7", "Bob B"}).out, "added bob\n");
    RunResult again = RunWith({"add", "ann", "5", "Anna"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "korvane: ann is listed already; --replace replaces that entry\n");
    EXPECT_EQ(RunWith({"add", "ann", "5", "Anna", "--replace"}).out, "replaced ann\n");
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"bob", "7", "Bob B"}, {"ann", "5", "Anna"}}));

    RunResult changed = RunWith({"set", "bob", "--user", "Bobby B", "--id", "8"});
    EXPECT_EQ(changed.status, 0) << changed.err;
    EXPECT_EQ(changed.out, "changed bob\n");
    RunResult removed = RunWith({"remove", "ann"});
    EXPECT_EQ(removed.out, "removed ann\n");
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"bob", "8", "Bobby B"}}));

    // A login name that an import let a space into keeps it through a set, as in the editor.
    WriteJAFile(Lines({{"mary ann", "4", "Mary Ann"}}));
    RunResult spaced = RunWith({"set", "mary ann", "--id", "5"});
    EXPECT_EQ(spaced.status, 0) << spaced.err;
    EXPECT_EQ(spaced.out, "changed mary ann\n");
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"mary ann", "5", "Mary Ann"}}));
}

TEST_F(ProgramTest, ChangesThatBreakARuleOrNameNoAccountChangeNothing) {
    WriteJAFile(kThreeEntries);
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    } cases[] = {
        {{"add", "b b", "3", "C"},
         1,
         "korvane: A login name cannot contain spaces, commas, double quotes or line breaks. "
         "Please remove them from the login name.\n"},
        {{"set", "bob", "--id", "x"},
         1,
         "korvane: The account ID must be a number from 1 to 999999999, typed with digits only "
         "and without a leading 0.\n"},
        {{"set", "zed", "--id", "1"}, 4, "korvane: no account has the login name zed\n"},
        {{"remove", "--anna"}, 2, "usage: korvane remove LOGIN... [--force] [--format=json]\n"},
        {{"add", "dan"},
         2,
         "usage: korvane add LOGIN ID [USER NAME] [--replace] [--force] [--format=json]\n"},
        {{"set", "bob"},
         2,
         "usage: korvane set LOGIN [--id ID] [--user NAME] [--force] [--format=json]\n"},
        {{"set", "bob", "--name", "x"},
         2,
         "usage: korvane set LOGIN [--id ID] [--user NAME] [--force] [--format=json]\n"},
        {{"remove"}, 2, "usage: korvane remove LOGIN... [--force] [--format=json]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[0] + " " + c.arguments[1 % c.arguments.size()]);
        RunResult run = RunWith(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
    }
}

TEST_F(ProgramTest, AChangeWaitsForNoOneAndRefusesWhatItCannotDoSafely) {
    WriteJAFile(kThreeEntries);
    // Rights that would have to be asked for, with no terminal to ask on.
    RunResult asked = RunWith({"remove", "anna"}, true);
    EXPECT_EQ(asked.status, 1);
    EXPECT_EQ(asked.err, "korvane: saving the list needs administrator rights; run this as root "
                         "(for example with sudo)\n");
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);

    // Another run holds the working copy.
    std::filesystem::create_directories(domains.userPreferences());
    const int lock =
        open((domains.userPreferences() + "/QZJA.lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    RunResult busy = RunWith({"remove", "anna"});
    close(lock);
    EXPECT_EQ(busy.status, 5) << "the list in use";
    EXPECT_NE(busy.err.find("korvane: "), std::string::npos);
    EXPECT_GT(busy.err.size(), 20u) << "the message of the list-in-use alert";
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
}

TEST_F(ProgramTest, ImportMergesByTheImportsRulesAndNamesEachLineLeftOut) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(kThreeEntries);
    const std::string file = domains.temp() / "new.csv";
    WriteFile(file, "anna,201,Anna New\r\ncarl,12,Carl\n\njust text\rdan d,013,Dan\r\n"
                    "carl,13,Carl C\ned,14,Ed \"E\"\nfay f,15,Fay");
    const std::string at = file + ":";
    const std::string skipped =
        at + "2: skipped: carl comes again on line 6, which is imported instead.\n" + at +
        "4: skipped: the line does not read login name,ID,user name.\n" + at +
        "5: skipped: The account ID must be a number from 1 to 999999999, typed with digits only "
        "and without a leading 0.\n" +
        at +
        "7: skipped: A user name cannot contain commas, double quotes or line breaks. Please "
        "remove them from the user name.\n";

    // A dry run reports the same and changes nothing; lines were refused, so both end with 1.
    RunResult dry = RunWith({"import", "--dry-run", file});
    EXPECT_EQ(dry.status, 1) << dry.err;
    EXPECT_EQ(dry.out, skipped + "would replace anna\nwould replace carl\nwould add fay f\n");
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
    RunResult run = RunWith({"import", file});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, skipped + "replaced anna\nreplaced carl\nadded fay f\n");
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"bob", "7", "Bob B"},
                                             {"anna", "201", "Anna New"},
                                             {"carl", "13", "Carl C"},
                                             {"fay f", "15", "Fay"}}));
    EXPECT_FALSE(std::filesystem::exists(workingCopy()));

    // A file whose lines all follow the rules ends with 0; importing it again changes nothing.
    WriteFile(file, "bob,8,Bob C\r\n");
    EXPECT_EQ(RunWith({"import", file}).status, 0);
    const std::string merged = ReadFileText(jaFile());
    EXPECT_EQ(RunWith({"import", file}).out, "unchanged bob\n");
    EXPECT_EQ(ReadFileText(jaFile()), merged);

    // Nothing acceptable: the import's own message, nothing changed.
    for (const std::string& text : {std::string(), std::string("\x7f"
                                                               "ELF\x02\0\0,\r\n",
                                                               10)}) {
        WriteFile(file, text);
        RunResult nothing = RunWith({"import", file});
        EXPECT_EQ(nothing.status, 1);
        EXPECT_EQ(nothing.err,
                  "korvane: Nothing was imported: the file holds no line of the form "
                  "login name,ID,user name that follows the entry rules (see Help).\n");
        EXPECT_EQ(ReadFileText(jaFile()), merged);
    }
    EXPECT_EQ(RunWith({"import"}).err,
              "usage: korvane import FILE|- [--dry-run] [--force] [--format=json]\n");
    EXPECT_EQ(RunWith({"import", file, file}).status, 2);
    EXPECT_EQ(ReadFileText(jaFile()), merged);

    // A file on standard input, as a pipe from configuration management gives it.
    input = domains.temp() / "piped.csv";
    WriteFile(input, "zed,77,Zed Z\n");
    RunResult piped = RunWith({"import", "-"});
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, "added zed\n");
    EXPECT_EQ(ReadFileText(jaFile()), merged + "zed,77,Zed Z\r\n") << "new entries go last";
    RunResult checked = RunWith({"check", "-"});
    EXPECT_EQ(checked.status, 0) << checked.out;
}

TEST_F(ProgramTest, ChangingWhatIsAlreadySoSaysSoAndLeavesTheFileAlone) {
    SKIP_UNLESS_ROOT();
    ASSERT_EQ(RunWith({"add", "ann", "42", "Ann Lee"}).status, 0);
    ASSERT_EQ(RunWith({"add", "bob", "7", "Bob B"}).status, 0);
    const std::string before = ReadFileText(jaFile());
    const auto kept = InodeAndTime(jaFile());
    const std::string master = domains.temp() / "master.csv";
    WriteFile(master, "bob,7,Bob B\nann,42,Ann Lee\n");
    const struct {
        std::vector<std::string> arguments;
        std::string out;
    } cases[] = {
        {{"add", "ann", "42", "Ann Lee", "--replace"}, "unchanged ann\n"},
        {{"set", "bob", "--id", "7", "--user", "Bob B"}, "unchanged bob\n"},
        {{"remove", "zed"}, "unchanged zed\n"},
        {{"import", master}, "unchanged bob\nunchanged ann\n"},
        {{"import", "--dry-run", master}, "unchanged bob\nunchanged ann\n"},
    };
    for (const auto& c : cases) {
        RunResult run = RunWith(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments[0] << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments[0];
        EXPECT_EQ(run.err, "") << c.arguments[0];
        EXPECT_EQ(InodeAndTime(jaFile()), kept) << c.arguments[0] << ": the file was rewritten";
    }
    EXPECT_EQ(ReadFileText(jaFile()), before);

    // What changes some and leaves others says which.
    WriteFile(master, "bob,8,Bob B\nann,42,Ann Lee\n");
    EXPECT_EQ(RunWith({"import", master}).out, "replaced bob\nunchanged ann\n");
    EXPECT_EQ(RunWith({"remove", "zed", "ann"}).out, "unchanged zed\nremoved ann\n");
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"bob", "8", "Bob B"}}));
}

TEST_F(ProgramTest, EachSubcommandTellsItsUsageWhenAsked) {
    for (const char* name :
         {"list", "export", "check", "import", "add", "set", "remove", "restore", "get"}) {
        RunResult help = RunWith({name, "--help"});
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_TRUE(help.out.starts_with(std::string("usage: korvane ") + name)) << help.out;
        EXPECT_TRUE(help.err.empty()) << help.err;
        RunResult wrong = RunWith({name, "--no-such-option", "a", "b", "c", "d"});
        EXPECT_EQ(wrong.status, 2) << name;
        EXPECT_EQ(wrong.err.substr(0, help.out.find('\n') + 1),
                  help.out.substr(0, help.out.find('\n') + 1))
            << name;
    }
    EXPECT_TRUE(RunWith({"remove", "--help"}).out.find("exit statuses") != std::string::npos);
}

TEST_F(ProgramTest, ImportStopsAtTheListsLimitAndAtTheLinesItReads) {
    // Room for one new entry; the entries that replace u1 and u2 take their places, also when
    // they come after the new ones that filled the room.
    const std::string listed = NumberedLines(1, 4999);
    WriteJAFile(listed);
    const std::string file = domains.temp() / "new.csv";
    std::string text = "u1,77,U\r\nnew1,1,N\r\nnew2,2,N\r\nbad,0,N\r\nnew3,3,N\r\nu2,78,V\r\n";
    for (int i = 7; i <= 5101; ++i)
        text += "\r\n";
    WriteFile(file, text + "late,5,L\r\n");
    const std::string at = file + ":";
    const std::string skipped =
        at +
        "3: skipped: this line and 1 more with new login names are left out. The list can "
        "hold at most 5000 entries, so not everything was imported. The entries beyond that limit "
        "were left out.\n" +
        at +
        "4: skipped: The account ID must be a number from 1 to 999999999, typed with digits only "
        "and without a leading 0.\n" +
        at +
        "5101: skipped: this line and those after it are not read: an import reads at most "
        "5100 lines.\n";
    RunResult dry = RunWith({"import", file, "--dry-run"});
    EXPECT_EQ(dry.status, 1);
    EXPECT_EQ(dry.out, skipped + "would replace u1\nwould add new1\nwould replace u2\n");
    EXPECT_EQ(ReadFileText(jaFile()), listed);
    if (!RunningAsRoot()) return;
    RunResult run = RunWith({"import", file});
    EXPECT_EQ(run.out, skipped + "replaced u1\nadded new1\nreplaced u2\n");
    EXPECT_EQ(ReadFileText(jaFile()),
              NumberedLines(3, 4999) + "u1,77,U\r\nnew1,1,N\r\nu2,78,V\r\n");
}

// Every commit keeps the file it replaces as a backup beside it; restore shows what putting it
// back changes, and does it as any change is done.
TEST_F(ProgramTest, RestorePutsBackTheFileTheLastCommitReplaced) {
    SKIP_UNLESS_ROOT();
    const RunResult none = RunWith({"restore"});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.err, "korvane: " + jaFile() + "-: No such file or directory\n");

    WriteJAFile(kThreeEntries);
    ASSERT_EQ(RunWith({"add", "dan", "4", "Dan D"}).status, 0);
    ASSERT_EQ(RunWith({"set", "bob", "--user", "Bobby"}).status, 0);
    const std::string afterAdd = "dan,4,Dan D\r\n" + kThreeEntries;
    EXPECT_EQ(ReadFileText(jaFile() + "-"), afterAdd);

    const RunResult dry = RunWith({"restore", "--dry-run"});
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, "would change bob\n");
    const std::string changed = ReadFileText(jaFile());
    const RunResult restored = RunWith({"restore"});
    EXPECT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.out, "will change bob\nrestored " + jaFile() + " from " + jaFile() + "-\n");
    EXPECT_EQ(ReadFileText(jaFile()), afterAdd);
    EXPECT_EQ(ReadFileText(jaFile() + "-"), changed) << "the restore keeps a backup too";
}

// get prints one login name's ID as the program reads the file, for print filters and scripts.
TEST_F(ProgramTest, GetPrintsTheIDOfALoginOrSaysThereIsNone) {
    WriteJAFile("anna,5,Anna A\nbob,7,Bob B\rcarl,012,Carl C\r\nbob,8,Second Bob\ndora,9,D");
    const RunResult bob = RunWith({"get", "bob"});
    EXPECT_EQ(bob.status, 0) << bob.err;
    EXPECT_EQ(bob.out, "7\n") << "the first of a repeated login name";
    EXPECT_EQ(RunWith({"get", "dora"}).out, "9\n") << "a last line without an end";
    const RunResult none = RunWith({"get", "zed"});
    EXPECT_EQ(none.status, 4);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "korvane: no account has the login name zed\n");
    EXPECT_EQ(RunWith({"get", "Bob"}).status, 4) << "login names are compared byte for byte";
    const RunResult broken = RunWith({"get", "carl"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_NE(broken.err.find("korvane: the entry of carl breaks a rule: The account ID must be"),
              std::string::npos)
        << broken.err;
    EXPECT_EQ(RunWith({"get"}).status, 2);
}
