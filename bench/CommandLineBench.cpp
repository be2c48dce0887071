// The subcommands on a full list (5000 lines) as whole processes, beside cat of the same file,
// and the program's start-up alone (--version) beside /bin/true: the time counted is the
// child's processor time (user and system), from its resource usage, so that what the program
// maps and relocates at start counts as much as its work. Goals: --version within 2.5 times
// /bin/true, list and check within twice cat.
#include "BenchEntries.h"
#include "TestSupport/TempFolder.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// A local domain whose job-accounting file holds 5000 entries.
class FullSystemList {
  public:
    FullSystemList()
        : local_("KORVANE_LOCAL_ROOT", temp_ / "local"), user_("XDG_CONFIG_HOME", temp_ / "user") {
        auto* entries = new JASettingBlock{};
        bench::FillEntries(entries, kJAMaxEntries);
        const std::string folder = temp_ / "local/etc/Korvane";
        std::filesystem::create_directories(folder);
        path_ = folder + "/JobAccounting";
        std::ofstream(path_, std::ios::binary) << bench::SettingsTextOf(entries);
        delete entries;
    }
    const std::string& Path() const { return path_; }

  private:
    testsupport::TempFolder temp_;
    testsupport::ScopedEnv local_, user_;
    std::string path_;
};

// Runs argv with its output discarded; the processor seconds it used.
double ProcessorSeconds(const std::vector<std::string>& argv) {
    std::vector<char*> vector;
    for (const std::string& argument : argv)
        vector.push_back(const_cast<char*>(argument.c_str()));
    vector.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    posix_spawn(&pid, vector[0], &actions, nullptr, vector.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunProcess(benchmark::State& state,
                std::vector<std::string> (*command)(const FullSystemList&)) {
    FullSystemList list;
    const std::vector<std::string> argv = command(list);
    for (auto _ : state)
        state.SetIterationTime(ProcessorSeconds(argv));
}

std::string Program() {
    return std::string(KORVANE_BUILD_BUNDLE) + "/Contents/MacOS/Korvane";
}

void BM_ListCommand5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList&) {
        return std::vector<std::string>{Program(), "list"};
    });
}
BENCHMARK(BM_ListCommand5000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CheckCommand5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList&) {
        return std::vector<std::string>{Program(), "check"};
    });
}
BENCHMARK(BM_CheckCommand5000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ListJsonCommand5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList&) {
        return std::vector<std::string>{Program(), "list", "--format=json"};
    });
}
BENCHMARK(BM_ListJsonCommand5000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_VersionOption(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList&) {
        return std::vector<std::string>{Program(), "--version"};
    });
}
BENCHMARK(BM_VersionOption)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_True(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList&) { return std::vector<std::string>{"/bin/true"}; });
}
BENCHMARK(BM_True)->UseManualTime()->Unit(benchmark::kMillisecond);

// The file imported into itself: every line replaces a listed entry.
void BM_ImportDryRun5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList& list) {
        return std::vector<std::string>{Program(), "import", "--dry-run", list.Path()};
    });
}
BENCHMARK(BM_ImportDryRun5000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The login name of the full list's last entry (FillEntries numbers them from 100000).
std::string LastLogin() {
    return "user" + std::to_string(100000 + kJAMaxEntries - 1);
}

// The last account's ID, beside grep finding the same line.
void BM_GetLast5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList&) {
        return std::vector<std::string>{Program(), "get", LastLogin()};
    });
}
BENCHMARK(BM_GetLast5000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_GrepLast5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList& list) {
        return std::vector<std::string>{"/bin/grep", "-m1", "^" + LastLogin() + ",", list.Path()};
    });
}
BENCHMARK(BM_GrepLast5000)->UseManualTime()->Unit(benchmark::kMillisecond);

// A master equal to the list applied onto it: nothing to save, the whole process.
void BM_ApplyEqual5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList& list) {
        return std::vector<std::string>{Program(), "apply", list.Path()};
    });
}
BENCHMARK(BM_ApplyEqual5000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The printing backend's own cost per job: its start-up and the lookup of the job's user. Billing
// the last account hands the job to a printer backend that is /bin/true; a user without an
// account is cancelled without one.
void RunBackend(benchmark::State& state, const std::string& user, const char* uri) {
    FullSystemList list;
    testsupport::TempFolder folder;
    std::filesystem::create_directories(folder / "backend");
    std::filesystem::create_symlink("/bin/true", folder / "backend/true");
    std::ofstream(folder / "queue.ppd") << "*PPD-Adobe: \"4.3\"\n";
    testsupport::ScopedEnv device("DEVICE_URI", uri), bin("CUPS_SERVERBIN", folder.str()),
        ppd("PPD", folder / "queue.ppd");
    const std::vector<std::string> argv{std::string(KORVANE_BUILD_BUNDLE) +
                                            "/Contents/MacOS/korvane-backend",
                                        "7",
                                        user,
                                        "title",
                                        "1",
                                        "media=a4",
                                        "/dev/null"};
    for (auto _ : state)
        state.SetIterationTime(ProcessorSeconds(argv));
}

void BM_BackendBillLast5000(benchmark::State& state) {
    RunBackend(state, LastLogin(), "korvane:true://printer");
}
BENCHMARK(BM_BackendBillLast5000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BackendCancelUnlisted5000(benchmark::State& state) {
    RunBackend(state, "nobody-listed", "korvane:true://printer");
}
BENCHMARK(BM_BackendCancelUnlisted5000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Cat5000(benchmark::State& state) {
    RunProcess(state, [](const FullSystemList& list) {
        return std::vector<std::string>{"/bin/cat", list.Path()};
    });
}
BENCHMARK(BM_Cat5000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
