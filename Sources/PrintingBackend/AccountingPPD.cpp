#include "AccountingPPD.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <strings.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::string_view kKeyword = "*cupsJobAccountId:";

// Each line of text with its end, to f.
template <typename F> void ForEachLine(std::string_view text, F f) {
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        end = end == std::string_view::npos ? text.size() : end + 1;
        if (text[end - 1] == '\r' && end < text.size() && text[end] == '\n') ++end;
        f(text.substr(begin, end - begin));
        begin = end;
    }
}

bool IsAccountIDLine(std::string_view line) {
    return line.substr(0, kKeyword.size()) == kKeyword;
}

// The value of a `*cupsJobAccountId: value` line, without quotes and spaces.
std::string_view ValueOf(std::string_view line) {
    line.remove_prefix(kKeyword.size());
    const size_t first = line.find_first_not_of(" \t\"");
    if (first == std::string_view::npos) return {};
    line.remove_prefix(first);
    return line.substr(0, line.find_first_of(" \t\"\r\n"));
}

// Descriptors 3 and 4 are a backend's back and side channels, so the copy sits above them.
constexpr int kLowestDescriptor = 10;

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(size_t(written));
    }
    return true;
}

// An in-memory file holding text, left open across exec; -1 with errno on failure.
int InMemoryFile(std::string_view text) {
    const int made = memfd_create("korvane-ppd", 0);
    if (made < 0) return -1;
    const int fd = fcntl(made, F_DUPFD, kLowestDescriptor);
    const int saved = errno;
    close(made);
    errno = saved;
    if (fd < 0) return -1;
    if (!WriteAll(fd, text)) {
        const int failed = errno;
        close(fd);
        errno = failed;
        return -1;
    }
    return fd;
}

} // namespace

bool PPDSendsAccountID(std::string_view ppd) {
    // Whichever line a PPD reader takes, it must say so.
    int lines = 0, saying = 0;
    ForEachLine(ppd, [&](std::string_view line) {
        if (IsAccountIDLine(line)) {
            ++lines;
            saying += strcasecmp(std::string(ValueOf(line)).c_str(), "true") == 0;
        }
    });
    return lines > 0 && saying == lines;
}

std::string PPDWithAccountID(std::string_view ppd) {
    std::string text;
    text.reserve(ppd.size() + 32);
    ForEachLine(ppd, [&](std::string_view line) {
        if (!IsAccountIDLine(line)) text += line;
    });
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += '\n';
    text += "*cupsJobAccountId: True\n";
    return text;
}

std::string AccountingPPDPath(const std::string& path, std::string* why) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *why = std::strerror(errno);
        return {};
    }
    const std::string ppd{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (ppd.empty()) {
        *why = "it is empty";
        return {};
    }
    if (PPDSendsAccountID(ppd)) return path;
    const int fd = InMemoryFile(PPDWithAccountID(ppd));
    if (fd < 0) {
        *why = std::string("no copy with the flag can be made: ") + std::strerror(errno);
        return {};
    }
    return "/proc/self/fd/" + std::to_string(fd);
}
