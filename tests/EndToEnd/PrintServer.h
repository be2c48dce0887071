// A private print server for a test, all under one temporary folder: a D-Bus bus, a printer
// (ippeveprinter) that records the attributes of every job it gets, and a CUPS scheduler whose
// backend folder holds the printing backend from a copy of the built bundle. Each is stopped by
// its PID; nothing of the machine's own printing system is touched.
#pragma once

#include "TestSupport/FileContents.h"
#include "TestSupport/TempFolder.h"

#include <arpa/inet.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <netinet/in.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace endtoend {

namespace fs = std::filesystem;

// Polls until ready() holds, for at most `seconds`.
template <typename F> bool Await(F ready, int seconds = 60) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (ready()) return true;
        usleep(50000);
    }
    return ready();
}

struct CommandResult {
    int status = -1;
    std::string output; // standard output and error together
};

// In a child: becomes argv (searched for in PATH) with the extra environment ("NAME=value").
[[noreturn]] inline void BecomeProgram(const std::vector<std::string>& argv,
                                       const std::vector<std::string>& environment) {
    for (const std::string& setting : environment)
        putenv(const_cast<char*>(setting.c_str()));
    std::vector<char*> vector;
    for (const std::string& argument : argv)
        vector.push_back(const_cast<char*>(argument.c_str()));
    vector.push_back(nullptr);
    execvp(vector[0], vector.data());
    _exit(127);
}

// Runs argv to its end with the extra environment ("NAME=value"), as the user `uid` when given.
inline CommandResult RunCommand(const std::vector<std::string>& argv,
                                const std::vector<std::string>& environment = {},
                                std::optional<uid_t> uid = std::nullopt) {
    const passwd* user = uid ? getpwuid(*uid) : nullptr;
    const gid_t gid = user ? user->pw_gid : 0;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        if (uid && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(*uid) != 0))
            _exit(126);
        alarm(60);
        BecomeProgram(argv, environment);
    }
    close(pipeEnds[1]);
    CommandResult result;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        result.output.append(buffer, size_t(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

// A program that runs until stopped, its output in a log file.
class Service {
  public:
    Service() = default;
    ~Service() { Stop(); }
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    void Start(const std::vector<std::string>& argv, const std::string& logPath,
               const std::vector<std::string>& environment = {}) {
        pid_ = fork();
        if (pid_ != 0) return;
        // A test that dies takes its services with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (!std::freopen(logPath.c_str(), "w", stdout) || dup2(STDOUT_FILENO, STDERR_FILENO) < 0)
            _exit(126);
        BecomeProgram(argv, environment);
    }
    // Asks it to end, and ends it when it has not within ten seconds.
    void Stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        if (!Await([&] { return waitpid(pid_, nullptr, WNOHANG) == pid_; }, 10)) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

    // Whether it still runs; one that has ended is waited for.
    bool Running() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
        return pid_ > 0;
    }

  private:
    pid_t pid_ = -1;
};

// A TCP port on the loopback interface that nothing listens on now.
inline int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = -1;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

inline bool Connects(const sockaddr* address, socklen_t length, int family) {
    const int fd = socket(family, SOCK_STREAM, 0);
    const bool connected = connect(fd, address, length) == 0;
    close(fd);
    return connected;
}

inline bool PortAnswers(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return Connects(reinterpret_cast<sockaddr*>(&address), sizeof address, AF_INET);
}

inline bool SocketAnswers(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    return Connects(reinterpret_cast<sockaddr*>(&address), sizeof address, AF_UNIX);
}

using testsupport::ReadFileText;

inline void WriteText(const std::string& path, const std::string& text, fs::perms mode) {
    testsupport::WriteFileText(path, text);
    fs::permissions(path, mode);
}

class PrintServer {
  public:
    static constexpr const char* kPrinter = "Test Printer";

    PrintServer() {
        if (geteuid() != 0) {
            problem_ = "the scheduler runs as root and runs backends as lp: run the tests as root";
            return;
        }
        for (const char* program :
             {"/usr/sbin/cupsd", "/usr/sbin/ippeveprinter", "/usr/bin/dbus-daemon",
              "/usr/sbin/lpadmin", "/usr/bin/lp", "/usr/bin/ipptool"})
            if (access(program, X_OK) != 0) {
                problem_ = std::string(program) + " is not installed";
                return;
            }
        // The backend runs as lp: it must reach the bundle, the list and the spool.
        fs::permissions(temp_.path(), fs::perms(0755));
        CopyBundle();
        MakeServerBin();
        StartPrinter();
        StartScheduler();
    }

    bool Ready() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }

    // The printer's own URI, as its queue is first made with.
    std::string PrinterURI() const {
        return "ipp://localhost:" + std::to_string(port_) + "/ipp/print";
    }
    std::string Folder() const { return temp_.str(); }
    std::string LocalRoot() const { return temp_ / "local"; }
    std::string ListPath() const { return LocalRoot() + "/etc/Korvane/JobAccounting"; }
    std::string Program() const { return temp_ / "app/Korvane.app/Contents/MacOS/Korvane"; }

    // A client command against this scheduler (lp, lpadmin, lpstat, ...).
    CommandResult Client(const std::vector<std::string>& argv,
                         std::optional<uid_t> uid = std::nullopt) const {
        return RunCommand(argv, {"CUPS_SERVER=" + socket_}, uid);
    }
    // The program's command line on this server's list.
    CommandResult Korvane(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), Program());
        return RunCommand(arguments, {"KORVANE_LOCAL_ROOT=" + LocalRoot(),
                                      "XDG_CONFIG_HOME=" + (temp_ / "user")});
    }

    // Restarts the scheduler with the extra cupsd.conf text, as an administrator adds a policy.
    bool AddToConfiguration(const std::string& text) {
        scheduler_.Stop();
        std::ofstream(temp_ / "cupsd.conf", std::ios::app) << text;
        return StartScheduler();
    }

    // Prints the document as the job title to queue; the job's ID ("Queue-N"), or empty.
    std::string Print(const std::string& queue, const std::string& title,
                      const std::vector<std::string>& options = {},
                      std::optional<uid_t> uid = std::nullopt) const {
        std::vector<std::string> argv{"lp", "-d", queue, "-t", title};
        argv.insert(argv.end(), options.begin(), options.end());
        argv.push_back(Document());
        const CommandResult sent = Client(argv, uid);
        const std::string marker = "request id is ";
        const size_t at = sent.output.find(marker);
        if (sent.status != 0 || at == std::string::npos) return {};
        const size_t begin = at + marker.size();
        return sent.output.substr(begin, sent.output.find(' ', begin) - begin);
    }

    // A job sent over IPP as any client may send it: in the user's name, with these job
    // attributes (ipptool ATTR lines).
    CommandResult SendWithAttributes(const std::string& queue, const std::string& user,
                                     const std::string& title,
                                     const std::string& attributes) const {
        const std::string test = temp_ / (title + ".test");
        WriteText(test,
                  "{\nOPERATION Print-Job\nGROUP operation-attributes-tag\n"
                  "ATTR charset attributes-charset utf-8\n"
                  "ATTR naturalLanguage attributes-natural-language en\n"
                  "ATTR uri printer-uri $uri\nATTR name requesting-user-name " +
                      user + "\nATTR name job-name " + title +
                      "\nATTR mimeMediaType document-format image/png\n"
                      "GROUP job-attributes-tag\n" +
                      attributes + "FILE $filename\nSTATUS successful-ok\n}\n",
                  fs::perms(0644));
        return RunCommand(
            {"ipptool", "-f", Document(),
             "ipp://127.0.0.1:" + std::to_string(schedulerPort_) + "/printers/" + queue, test});
    }

    // The IPP_ attributes the printer got with the job titled `title`, once it has it.
    std::optional<std::string> Received(const std::string& title) const {
        const std::string path = temp_ / ("received/" + title + ".env");
        if (!Await([&] { return fs::exists(path); })) return std::nullopt;
        return ReadFileText(path);
    }
    bool HasReceived(const std::string& title) const {
        return fs::exists(temp_ / ("received/" + title + ".env"));
    }

    // lpstat -l's lines about the job, whatever its state.
    std::string JobReport(const std::string& job) const {
        const std::string all = Client({"lpstat", "-l", "-W", "all", "-o"}).output;
        size_t at = all.find(job + " ");
        if (at == std::string::npos) return {};
        size_t end = at;
        do
            end = all.find('\n', end + 1);
        while (end != std::string::npos && end + 1 < all.size() && all[end + 1] == '\t');
        return all.substr(at, end == std::string::npos ? std::string::npos : end - at);
    }
    bool Completed(const std::string& job) const {
        const std::string done = Client({"lpstat", "-W", "completed", "-o"}).output;
        return done.find(job + " ") != std::string::npos;
    }

  private:
    std::string Document() const { return temp_ / "dot.png"; }

    void CopyBundle() {
        fs::create_directories(temp_ / "app");
        fs::copy(KORVANE_BUILD_BUNDLE, temp_ / "app/Korvane.app", fs::copy_options::recursive);
        // A one-pixel picture the printer takes as it is, so no filter is needed.
        static const unsigned char kPNG[] = {
            0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
            0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
            0x00, 0x90, 0x77, 0x53, 0xde, 0x00, 0x00, 0x00, 0x0c, 0x49, 0x44, 0x41, 0x54, 0x78,
            0x9c, 0x63, 0xf8, 0xff, 0xff, 0x3f, 0x00, 0x05, 0xfe, 0x02, 0xfe, 0x0d, 0xef, 0x46,
            0xb8, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
        WriteText(Document(), std::string(reinterpret_cast<const char*>(kPNG), sizeof kPNG),
                  fs::perms(0644));
    }

    // The scheduler's program folder: the system's ipp backend and process starter, and the
    // printing backend linked from the bundle as an installation links it.
    void MakeServerBin() {
        const std::string bin = temp_ / "serverbin";
        for (const char* folder : {"backend", "filter", "daemon", "notifier"})
            fs::create_directories(bin + "/" + folder);
        fs::create_symlink("/usr/lib/cups/backend/ipp", bin + "/backend/ipp");
        fs::create_symlink("/usr/lib/cups/daemon/cups-exec", bin + "/daemon/cups-exec");
        fs::create_symlink(temp_ / "app/Korvane.app/Contents/MacOS/korvane-backend",
                           bin + "/backend/korvane");
    }

    void StartPrinter() {
        const std::string bus = temp_ / "bus";
        bus_.Start({"dbus-daemon", "--session", "--nofork", "--address=unix:path=" + bus},
                   temp_ / "dbus.log");
        fs::create_directories(temp_ / "received");
        fs::create_directories(temp_ / "printer");
        // Each job's attributes as the printer got them, named for the job's title.
        WriteText(temp_ / "record.sh",
                  "#!/bin/sh\nenv | grep '^IPP_' | sort > \"" + (temp_ / "received") +
                      "/$IPP_JOB_NAME.part\"\nmv \"" + (temp_ / "received") +
                      "/$IPP_JOB_NAME.part\" \"" + (temp_ / "received") + "/$IPP_JOB_NAME.env\"\n",
                  fs::perms(0755));
        if (!Await([&] { return SocketAnswers(bus); })) {
            problem_ = "the private D-Bus bus did not start";
            return;
        }
        // A port found free may be taken before the printer binds it: then it ends, and another
        // is tried.
        for (int attempt = 0; attempt < 3 && !printer_.Running(); ++attempt) {
            port_ = FreePort();
            printer_.Start({"ippeveprinter", "-n", "localhost", "-p", std::to_string(port_), "-r",
                            "off", "-f", "image/png,image/pwg-raster", "-c", temp_ / "record.sh",
                            "-d", temp_ / "printer", kPrinter},
                           temp_ / "printer.log", {"DBUS_SYSTEM_BUS_ADDRESS=unix:path=" + bus});
            Await([&] { return PortAnswers(port_) || !printer_.Running(); }, 20);
        }
        if (!printer_.Running())
            problem_ = "ippeveprinter did not start: " + ReadFileText(temp_ / "printer.log");
    }

    bool StartScheduler() {
        if (!problem_.empty()) return false;
        const std::string root = temp_.str();
        socket_ = root + "/cups.sock";
        if (!fs::exists(root + "/cupsd.conf")) {
            schedulerPort_ = FreePort();
            WriteConfiguration(root);
        }
        scheduler_.Start(
            {"cupsd", "-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"},
            root + "/cupsd.log");
        if (!Await([&] { return SocketAnswers(socket_); }))
            problem_ = "cupsd did not start: " + ReadFileText(root + "/cupsd.log") +
                       ReadFileText(root + "/log/error_log");
        return problem_.empty();
    }

    void WriteConfiguration(const std::string& root) {
        for (const char* folder : {"conf/ppd", "cache", "state", "log"})
            fs::create_directories(root + "/" + folder);
        fs::create_directories(root + "/spool/tmp");
        RunCommand({"chgrp", "lp", root + "/spool", root + "/spool/tmp"});
        fs::permissions(root + "/spool", fs::perms(0710));
        fs::permissions(root + "/spool/tmp", fs::perms(01770));
        WriteText(root + "/cups-files.conf",
                  "ServerRoot " + root + "/conf\nServerBin " + root +
                      "/serverbin\nDataDir /usr/share/cups\nRequestRoot " + root +
                      "/spool\nTempDir " + root + "/spool/tmp\nCacheDir " + root +
                      "/cache\nStateDir " + root + "/state\nAccessLog " + root +
                      "/log/access_log\nErrorLog " + root + "/log/error_log\nPageLog " + root +
                      "/log/page_log\nUser lp\nGroup lp\nSystemGroup root\nFileDevice No\n"
                      "SetEnv KORVANE_LOCAL_ROOT " +
                      LocalRoot() + "\n",
                  fs::perms(0644));
        WriteText(root + "/cupsd.conf",
                  "Listen " + socket_ + "\nListen 127.0.0.1:" + std::to_string(schedulerPort_) +
                      "\nLogLevel debug\nBrowsing No\nWebInterface No\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                      "</Policy>\n",
                  fs::perms(0644));
    }

    testsupport::TempFolder temp_;
    std::string problem_, socket_;
    int port_ = -1, schedulerPort_ = -1;
    // Stopped in the reverse order: the scheduler first.
    Service bus_, printer_, scheduler_;
};

} // namespace endtoend
