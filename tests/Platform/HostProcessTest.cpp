// The host's calls on the process: children reaped, terminals told apart, standard output held
// back and shown, the account's recorded home.
#include "Platform/HostProcess.h"
#include "ChildProcess.h"
#include "TestSupport/FileContents.h"
#include "TestSupport/TempFolder.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>

using testsupport::ReadFileText;
using testsupport::RunInChild;
using testsupport::TempFolder;

TEST(HostProcessTest, AChildIsReapedWithHowItEnded) {
    PlatformChildEnd end{};
    EXPECT_FALSE(PlatformWaitForChild(&end)) << "no child yet";
    if (fork() == 0) _exit(3);
    ASSERT_TRUE(PlatformWaitForChild(&end));
    EXPECT_TRUE(end.exited);
    EXPECT_EQ(end.exitStatus, 3);
    if (fork() == 0) {
        std::raise(SIGKILL);
        _exit(0);
    }
    ASSERT_TRUE(PlatformWaitForChild(&end));
    EXPECT_FALSE(end.exited);
    EXPECT_EQ(end.signal, SIGKILL);
    EXPECT_FALSE(PlatformWaitForChild(&end)) << "both reaped";
}

namespace {

// Standard input and output as given, in a child: 0 when it counts as at a terminal.
int AtTerminalWith(int input, int output) {
    return RunInChild([=] {
        if (dup2(input, STDIN_FILENO) < 0 || dup2(output, STDOUT_FILENO) < 0) return 2;
        return PlatformAtTerminal() ? 0 : 1;
    });
}

} // namespace

TEST(HostProcessTest, AtATerminalOnlyWhenInputAndOutputBothAreOne) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    TempFolder temp;
    const int file = open((temp / "out").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(file, 0);
    EXPECT_EQ(AtTerminalWith(terminal, terminal), 0);
    EXPECT_EQ(AtTerminalWith(terminal, file), 1) << "output into a file";
    EXPECT_EQ(AtTerminalWith(file, terminal), 1) << "input from a file";
    close(file);
    close(terminal);
    close(master);
}

TEST(HostProcessTest, HeldOutputIsShownOnStandardErrorOnlyWhenAsked) {
    TempFolder temp;
    const std::string out = temp / "out", err = temp / "err";
    ASSERT_EQ(RunInChild([&] {
                  if (!std::freopen(out.c_str(), "w", stdout) ||
                      !std::freopen(err.c_str(), "w", stderr))
                      return 2;
                  PlatformHeldOutputRef held = PlatformHoldStandardOutput();
                  std::printf("kept back\n");
                  PlatformReleaseStandardOutput(held, false);
                  held = PlatformHoldStandardOutput();
                  std::printf("said by the program, ");
                  std::fflush(stdout);
                  if (std::system("echo and by a tool") != 0) return 3;
                  PlatformReleaseStandardOutput(held, true);
                  std::printf("after\n");
                  return 0;
              }),
              0);
    EXPECT_EQ(ReadFileText(out), "after\n");
    EXPECT_EQ(ReadFileText(err), "said by the program, and by a tool\n");
}

TEST(HostProcessTest, TheAccountsRecordedHomeComesFromThePasswordDatabase) {
    EXPECT_EQ(PlatformRunsAsSuperuser(), geteuid() == 0);
    const passwd* user = getpwuid(getuid());
    if (!user || !user->pw_dir) GTEST_SKIP() << "no password entry for this user";
    EXPECT_EQ(PlatformRecordedHomeDirectory(), std::string(user->pw_dir));
    if (geteuid() != 0) GTEST_SKIP() << "an account without an entry needs root to become";
    EXPECT_EQ(RunInChild([] {
                  if (getpwuid(54321) || setuid(54321) != 0)
                      return 2; // an account without an entry
                  return PlatformRecordedHomeDirectory() ? 1 : 0;
              }),
              0);
    EXPECT_EQ(RunInChild([] {
                  if (!testsupport::BecomeNobody()) return 2;
                  return PlatformRunsAsSuperuser() ? 1 : 0;
              }),
              0);
}
