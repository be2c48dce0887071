// The backend program as the scheduler runs it, with a stand-in for the printer's own backend
// that records what it was given; no scheduler and no rights needed.
#include "TestSupport/FileContents.h"
#include "TestSupport/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Ran {
    int status = -1;
    std::string out, err;
};

using testsupport::ReadFileText;
using testsupport::WriteFileText;

class BackendProgram : public testing::Test {
  protected:
    BackendProgram() {
        WriteFileText(temp_ / "serverbin/backend/ipp",
                      "#!/bin/sh\n{ printf '%s\\n' \"$@\"; echo \"DEVICE_URI=$DEVICE_URI\"; "
                      "echo \"PPD=$PPD\"; cat \"$PPD\"; } > \"" +
                          (temp_ / "inner.out") + "\"\nexit 7\n");
        fs::permissions(temp_ / "serverbin/backend/ipp", fs::perms(0755));
        WriteFileText(temp_ / "queue.ppd", kPPD);
        WriteFileText(ListPath(), "bob,42,Bob B\r\nfrank,12x,Frank F\n");
    }

    // The backend with argv[0] set to the device URI, as the scheduler starts it.
    Ran Run(const std::vector<std::string>& arguments, const std::string& uri,
            const std::string& ppd) {
        const std::string out = temp_ / "out", err = temp_ / "err";
        const pid_t pid = fork();
        if (pid == 0) {
            if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr))
                _exit(126);
            setenv("DEVICE_URI", uri.c_str(), 1);
            setenv("CUPS_SERVERBIN", (temp_ / "serverbin").c_str(), 1);
            setenv("PRINTER", "Office", 1);
            setenv("KORVANE_LOCAL_ROOT", (temp_ / "local").c_str(), 1);
            if (ppd.empty())
                unsetenv("PPD");
            else
                setenv("PPD", ppd.c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(uri.c_str())};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execv(KORVANE_BUILD_BUNDLE "/Contents/MacOS/korvane-backend", argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), ReadFileText(out),
                ReadFileText(err)};
    }
    Ran RunJob(const std::string& user, const std::string& options,
               const std::string& uri = "korvane:ipp://printer/q") {
        return Run({"7", user, "title", "1", options, "/dev/null"}, uri, temp_ / "queue.ppd");
    }

    std::string ListPath() const { return temp_ / "local/etc/Korvane/JobAccounting"; }
    std::string Inner() const { return ReadFileText(temp_ / "inner.out"); }

    static constexpr const char* kPPD = "*PPD-Adobe: \"4.3\"\n*ModelName: \"Stand-in\"\n";
    testsupport::TempFolder temp_;
};

TEST_F(BackendProgram, AListedUsersJobGoesToThePrintersBackendWithTheListsIDAndTheFlag) {
    const Ran ran = RunJob("bob", "media=a4 job-account-id=99");
    // The printer's backend took the backend's place: its status is the job's.
    EXPECT_EQ(ran.status, 7) << ran.err;
    EXPECT_NE(ran.err.find("INFO: the job is billed to account 42"), std::string::npos);
    const std::string inner = Inner();
    EXPECT_NE(inner.find("7\nbob\ntitle\n1\nmedia=a4 job-account-id=42\n/dev/null\n"
                         "DEVICE_URI=ipp://printer/q\nPPD=/proc/self/fd/"),
              std::string::npos)
        << inner;
    EXPECT_TRUE(inner.ends_with(std::string(kPPD) + "*cupsJobAccountId: True\n")) << inner;
    // The queue's own PPD is left as it was, and no copy is left on disk.
    EXPECT_EQ(ReadFileText(temp_ / "queue.ppd"), kPPD);

    WriteFileText(temp_ / "queue.ppd", std::string(kPPD) + "*cupsJobAccountId: True\n");
    EXPECT_EQ(RunJob("bob", "").status, 7);
    EXPECT_NE(Inner().find("job-account-id=42\n/dev/null\nDEVICE_URI=ipp://printer/q\nPPD=" +
                           (temp_ / "queue.ppd") + "\n"),
              std::string::npos)
        << Inner();

    // A list where earlier versions kept it is read there until a save moves it.
    const std::string former = temp_ / "local/Library/Preferences/Korvane/JobAccounting";
    fs::create_directories(fs::path(former).parent_path());
    fs::rename(ListPath(), former);
    EXPECT_EQ(RunJob("bob", "").status, 7);
    EXPECT_NE(Inner().find("job-account-id=42\n"), std::string::npos) << Inner();
}

TEST_F(BackendProgram, WhatItCannotDoStopsTheQueueOrEndsTheJobWithAMessage) {
    Ran ran = Run({}, "korvane", "");
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out, "network korvane \"Unknown\" \"Job accounting: korvane:PRINTER-URI\"\n");

    ran = Run({"7", "bob", "title"}, "korvane:ipp://printer/q", "");
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.err.find("Usage:"), std::string::npos);

    ran = RunJob("bob", "", "korvane:printer.example");
    EXPECT_EQ(ran.status, 4);
    EXPECT_EQ(ran.err, "ERROR: the device URI korvane:printer.example names no printer behind it; "
                       "give it as korvane:ipp://printer/ipp/print\n");

    ran = RunJob("bob", "", "korvane:socket://printer");
    EXPECT_EQ(ran.status, 4);
    EXPECT_NE(ran.err.find("korvane:socket://printer wraps a socket printer"), std::string::npos);

    ran = RunJob("bob", "", "korvane:ipps://printer/q");
    EXPECT_EQ(ran.status, 4);
    EXPECT_NE(ran.err.find("ERROR: cannot start the printer's backend " +
                           (temp_ / "serverbin/backend/ipps") + ": No such file or directory"),
              std::string::npos)
        << ran.err;

    ran = Run({"7", "bob", "title", "1", "", "/dev/null"}, "korvane:ipp://printer/q",
              temp_ / "no.ppd");
    EXPECT_EQ(ran.status, 4);
    EXPECT_NE(ran.err.find("ERROR: cannot read the queue's PPD file " + (temp_ / "no.ppd") +
                           " (No such file or directory)"),
              std::string::npos)
        << ran.err;

    ran = RunJob("dave", "");
    EXPECT_EQ(ran.status, 5);
    EXPECT_EQ(ran.err,
              "ERROR: dave has no account in the job-accounting list; the job is cancelled\n");
    ran = RunJob("frank", "", "korvane:hold:ipp://printer/q");
    EXPECT_EQ(ran.status, 3);
    EXPECT_NE(
        ran.err.find("WARNING: the entry of frank in the job-accounting list breaks a rule: "),
        std::string::npos)
        << ran.err;
    EXPECT_NE(ran.err.find("; the job is held until an administrator adds the account, then lp -i "
                           "Office-7 -H resume prints it\n"),
              std::string::npos);

    // A list that is missing or not a file stops the queue rather than print unbilled.
    fs::remove(ListPath());
    ran = RunJob("bob", "", "korvane:print:ipp://printer/q");
    EXPECT_EQ(ran.status, 4);
    EXPECT_NE(ran.err.find("ERROR: cannot read the job-accounting file " + ListPath() +
                           " (no such file); the queue is stopped so that no job prints unbilled; "
                           "cupsenable Office starts it again"),
              std::string::npos)
        << ran.err;
    fs::create_directory(ListPath());
    ran = RunJob("bob", "");
    EXPECT_EQ(ran.status, 4);
    EXPECT_NE(ran.err.find("ERROR: cannot read the job-accounting file " + ListPath()),
              std::string::npos)
        << ran.err;
    EXPECT_TRUE(Inner().empty());
}

TEST_F(BackendProgram, PrintingWithoutAnIDSendsNoneWhateverThePersonAsked) {
    const Ran ran = RunJob("dave", "job-account-id=99", "korvane:print:ipp://printer/q");
    EXPECT_EQ(ran.status, 7);
    EXPECT_EQ(ran.err, "WARNING: dave has no account in the job-accounting list; the job is "
                       "printed without an account ID\n");
    // The person's own ID is not sent, and the queue's PPD is used as it is.
    EXPECT_NE(Inner().find("7\ndave\ntitle\n1\n\n/dev/null\nDEVICE_URI=ipp://printer/q\nPPD=" +
                           (temp_ / "queue.ppd") + "\n"),
              std::string::npos)
        << Inner();
}

} // namespace
