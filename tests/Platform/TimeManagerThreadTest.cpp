// The Time Manager's thread is started by the first task inserted, never before. Other tests of
// this executable may have started it already, so the count is taken in a fresh run of it.
#include "Platform/MacErrors.h"
#include "Platform/Timer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr char kFreshRun[] = "KORVANE_TIME_MANAGER_FRESH_RUN";

long ThreadCount() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return std::distance(begin(tasks), end(tasks));
}

// This test alone in a new process of this executable; what it printed, and its exit status.
std::pair<int, std::string> RunFresh(const char* test) {
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return {-1, "the executable is not found"};
    const std::string command = std::string(kFreshRun) + "=1 '" + self +
                                "' --gtest_filter=TimeManagerThread." + test + " 2>&1";
    std::string printed;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, "the executable does not start"};
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        printed += char(c);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, printed};
}

} // namespace

TEST(TimeManagerThread, StartsWithTheFirstTaskInserted) {
    if (!std::getenv(kFreshRun)) {
        const auto [status, printed] = RunFresh("StartsWithTheFirstTaskInserted");
        EXPECT_EQ(status, 0) << printed;
        EXPECT_NE(printed.find("[  PASSED  ] 1 test"), std::string::npos) << printed;
        return;
    }
    EXPECT_EQ(ThreadCount(), 1);
    TMTask task{};
    auto* element = reinterpret_cast<QElemPtr>(&task);
    EXPECT_EQ(PrimeTime(element, 5), qErr); // asking about a task never inserted starts nothing
    EXPECT_EQ(RmvTime(element), qErr);
    EXPECT_EQ(ThreadCount(), 1);
    ASSERT_EQ(InsTime(element), noErr);
    EXPECT_EQ(ThreadCount(), 2);
    EXPECT_EQ(RmvTime(element), noErr);
    InsTime(element); // one thread serves every task
    EXPECT_EQ(ThreadCount(), 2);
    RmvTime(element);
}
