// The list is never lost around the commit: files other tools wrote, lines the list cannot keep
// as they stand, and a file that cannot be copied.
#include "ProgramRun.h"

#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>

using namespace endtoend;

namespace {

const std::string kThirtyWithLF = [] {
    std::string text;
    for (int i = 1; i <= 30; ++i)
        text +=
            "u" + std::to_string(i) + "," + std::to_string(i) + ",User " + std::to_string(i) + "\n";
    return text;
}();

// The front window is an alert whose text holds this.
bool Shows(const ScreenView& screen, const std::string& text) {
    const bool shown =
        !screen.front().alert().empty() && screen.text.find(text) != std::string::npos;
    EXPECT_TRUE(shown) << "\"" << text << "\" is not on the screen:\n" << screen.text;
    return shown;
}

} // namespace

// A file with LF line ends from another tool: listed, and kept whole by a change.
TEST_F(ProgramTest, AFileWithLFLineEndsKeepsEveryAccountThroughAnAdd) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(kThirtyWithLF);
    RunResult listed = RunWith({"list", "--format=csv"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 30) << listed.out;

    RunResult added = RunWith({"add", "dave", "5", "Dave"});
    EXPECT_EQ(added.status, 0) << added.err;
    const std::string saved = ReadFileText(jaFile());
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 31) << saved;
    EXPECT_EQ(saved.substr(0, 13), "dave,5,Dave\r\n");
    EXPECT_NE(saved.find("u30,30,User 30\r\n"), std::string::npos) << saved;
}

// Lines the list cannot keep are named when the list opens, and replaced only when the person
// (or --force) says so.
TEST_F(ProgramTest, LinesTheListCannotKeepAreReplacedOnlyWhenConfirmed) {
    SKIP_UNLESS_ROOT();
    const std::string file =
        "ann,1,Ann\r\nno commas here\r\nbob,2,Bob\r\n" + std::string(300, 'L') + ",3,Long\r\n";
    WriteJAFile(file);
    RunResult refused = RunWith({"remove", "bob"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("(2 in all, the first at line 2; korvane check names them)"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(ReadFileText(jaFile()), file);

    const std::string remove = "click row 2\nclick item 16\nclick item 4\nprint\n";
    RunResult cancelled =
        Run("print\nkey return\n" + remove + "key return\nprint\nquit\nkey return\n");
    ASSERT_GE(cancelled.screens.size(), 3u) << cancelled.out << cancelled.err;
    EXPECT_TRUE(Shows(cancelled.screens[0], "cannot be kept as they stand: 2 in all, the first "
                                            "at line 2. A line needs"));
    EXPECT_TRUE(Shows(cancelled.screens[1], "could not be kept as they stand: 2 in all, the "
                                            "first at line 2. Saving writes"));
    EXPECT_TRUE(cancelled.screens[2].window(kListTitle)->active(4)) << "Save stays active";
    EXPECT_EQ(ReadFileText(jaFile()), file);

    RunResult saved = Run("key return\n" + remove + "click item 2\nadmin \"root\" \"pw\"\nquit\n");
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(ReadFileText(jaFile()),
              "ann,1,Ann\r\nno commas here,,\r\n" + std::string(255, 'L') + ",3,Long\r\n");

    WriteJAFile(file);
    RunResult forced = RunWith({"remove", "bob", "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(ReadFileText(jaFile()),
              "ann,1,Ann\r\nno commas here,,\r\n" + std::string(255, 'L') + ",3,Long\r\n");
}

// A file that is there but cannot be read opens no list that a Save could commit over it.
TEST_F(ProgramTest, AFileThatCannotBeCopiedIsShownWithItsCauseAndNoListOpens) {
    std::filesystem::create_directories(jaFile());
    RunResult run = Run("print\nkey return\nprint\nquit\n");
    ASSERT_EQ(run.screens.size(), 2u) << run.out << run.err;
    EXPECT_EQ(run.screens[0].front().alert(), "stop");
    EXPECT_TRUE(Shows(run.screens[0], "The job-accounting file " + jaFile() +
                                          " could not be read into your working copy: a "
                                          "folder of that name is in the way. The list is not "
                                          "opened"));
    EXPECT_EQ(run.screens[1].window(kListTitle), nullptr);

    RunResult listed = RunWith({"list"});
    EXPECT_EQ(listed.status, 3);
    EXPECT_EQ(listed.err, "korvane: cannot read the job-accounting file " + jaFile() +
                              " (a folder of that name is in the way)\n");
}

// A FIFO, a device or a folder, as the job-accounting file or as a file to import or check, is
// refused at once with a message; nothing reads more than a full list can hold.
TEST_F(ProgramTest, OnlyPlainFilesOfAListsSizeAreRead) {
    std::filesystem::create_directories(oemFolder());
    ASSERT_EQ(mkfifo(jaFile().c_str(), 0644), 0);
    const RunResult fifo = RunWith({"list"});
    EXPECT_EQ(fifo.status, 3);
    EXPECT_EQ(fifo.err,
              "korvane: cannot read the job-accounting file " + jaFile() + " (not a plain file)\n");
    const RunResult opened = Run("print\nkey return\nquit\n");
    ASSERT_EQ(opened.screens.size(), 1u) << opened.err;
    EXPECT_TRUE(Shows(opened.screens[0], "could not be read into your working copy: not a plain "
                                         "file."));
    std::filesystem::remove(jaFile());

    std::filesystem::create_symlink("/dev/zero", jaFile());
    const RunResult zero = RunWith({"add", "dave", "5", "Dave"});
    EXPECT_EQ(zero.status, 3);
    EXPECT_NE(zero.err.find("(not a plain file)"), std::string::npos) << zero.err;
    std::filesystem::remove(jaFile());

    const std::string big = domains.temp() / "big.csv";
    WriteFile(big, "");
    std::filesystem::resize_file(big, 4 << 20);
    const std::string fifoFile = domains.temp() / "fifo.csv";
    ASSERT_EQ(mkfifo(fifoFile.c_str(), 0644), 0);
    for (const auto& [subcommand, file, why] :
         {std::tuple{"import", fifoFile, "not a plain file"},
          std::tuple{"check", std::string("/dev/zero"), "not a plain file"},
          std::tuple{"check", domains.temp().str(), "not a plain file"},
          std::tuple{"import", big, "larger than a list of 5000 accounts can be"}}) {
        const RunResult run = RunWith({subcommand, file});
        EXPECT_EQ(run.status, 3) << subcommand << " " << file;
        EXPECT_EQ(run.err, "korvane: " + file + ": " + why + "\n");
    }
    std::filesystem::rename(big, jaFile());
    EXPECT_NE(RunWith({"list"}).err.find("(larger than a list of 5000 accounts can be)"),
              std::string::npos);
}

// Two administrators, each with a Preferences folder of their own, add accounts at the same time:
// every run that said it added one has its account in the file, and a lost race is reported as
// the file having changed meanwhile, never as success.
TEST_F(ProgramTest, TwoAdministratorsAddingAtOnceLoseNothing) {
    SKIP_UNLESS_ROOT();
    constexpr int kRunsEach = 50;
    auto administrator = [&](char who) {
        setenv("XDG_CONFIG_HOME", (domains.temp() / std::string(1, who)).c_str(), 1);
        std::string statuses;
        for (int i = 1; i <= kRunsEach; ++i) {
            const std::string login = std::string(1, who) + std::to_string(i);
            const pid_t run = fork();
            if (run == 0) {
                std::freopen("/dev/null", "w", stdout);
                std::freopen("/dev/null", "w", stderr);
                const std::string program = bundle + "/Contents/MacOS/Korvane";
                execl(program.c_str(), program.c_str(), "add", login.c_str(),
                      std::to_string(i).c_str(), static_cast<char*>(nullptr));
                _exit(127);
            }
            int status = 0;
            waitpid(run, &status, 0);
            statuses += login + " " + std::to_string(WEXITSTATUS(status)) + "\n";
        }
        WriteFile(domains.temp() / (std::string(1, who) + ".statuses"), statuses);
    };
    std::vector<pid_t> workers;
    for (char who : {'a', 'b'}) {
        const pid_t worker = fork();
        if (worker == 0) {
            administrator(who);
            _exit(0);
        }
        workers.push_back(worker);
    }
    for (pid_t worker : workers)
        waitpid(worker, nullptr, 0);

    const std::string saved = ReadFileText(jaFile());
    int added = 0;
    for (char who : {'a', 'b'}) {
        std::istringstream lines(
            ReadFileText(domains.temp() / (std::string(1, who) + ".statuses")));
        std::string login;
        int status = -1, runs = 0;
        while (lines >> login >> status) {
            ++runs;
            EXPECT_TRUE(status == 0 || status == 6) << login << " ended with " << status;
            if (status != 0) continue;
            ++added;
            EXPECT_NE(saved.find(login + "," + login.substr(1) + ",\r\n"), std::string::npos)
                << login << " was reported added but is not in the file";
        }
        EXPECT_EQ(runs, kRunsEach);
    }
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), added);
    EXPECT_GT(added, 0);
}

// Root with another user's HOME (su -m, sudo -E) and umask 000 is not confined: it commits as
// root does, and nothing it writes follows a link planted in the user's folder.
TEST_F(ProgramTest, RootWithAUsersHomeCommitsAsRootAndFollowsNoPlantedLink) {
    SKIP_UNLESS_ROOT();
    const std::string victim = domains.temp() / "victim";
    WriteFile(victim, "root's own\n");
    std::filesystem::create_directories(userPrefs());
    for (const char* planted : {"._QZJA.temp.new", "._Korvane Preferences.new", "QZJA.new",
                                "._QZJA.new", "._JobAccounting.new"})
        std::filesystem::create_symlink(victim, userPrefs() + "/" + planted);
    home = domains.temp() / "someone";
    const mode_t old = umask(0);
    const RunResult added = RunWith({"add", "dave", "5", "Dave"});
    const RunResult saved = Run(TypeFields("amy", "Amy", "7").insert(0, "click item 14\n") +
                                "\nclick item 1\nclick item 4\nadmin \"root\" \"pw\"\nquit\n");
    umask(old);
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(ReadFileText(jaFile()), "amy,7,Amy\r\ndave,5,Dave\r\n");
    EXPECT_EQ(std::filesystem::status(jaFile()).permissions(), std::filesystem::perms(0644));
    struct stat info {};
    ASSERT_EQ(stat(jaFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u);
    EXPECT_EQ(ReadFileText(victim), "root's own\n");
    EXPECT_EQ(std::filesystem::status(prefsFile()).permissions(), std::filesystem::perms(0600));
}

// A working copy that a killed run left with changes is the program's to offer: the command line
// neither commits nor throws it away.
TEST_F(ProgramTest, TheCommandLineLeavesAKilledRunsChangesToTheProgram) {
    WriteJAFile(kThreeEntries);
    WriteFile(workingCopy(), "mine,1,Mine\r\n");
    const RunResult refused = RunWith({"add", "dan", "4", "Dan D"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "korvane: a run that ended abnormally left unsaved changes in " +
                               workingCopy() +
                               "; start korvane to recover or discard them, then run this again\n");
    EXPECT_EQ(ReadFileText(workingCopy()), "mine,1,Mine\r\n");
    EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
}
