// Runs the real program on the headless display with a script, in temporary user and local
// folders, reads back what it left on disk, and takes its printouts apart.
#pragma once

#include "Korvane/Shell/SavedDialogPosition.h"
#include "MorrowCommon_2/MyResFile.h"
#include "Platform/Files.h"
#include "Platform/MacMemory.h"
#include "Platform/ResourceFileFormat.h"
#include "Platform/Resources.h"
#include "TestSupport/FileContents.h"
#include "TestSupport/FinderInfo.h"
#include "TestSupport/SavedPositions.h"
#include "TestSupport/TempFolder.h"
#include "Utility/Utility.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <pwd.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace endtoend {

using testsupport::ReadFileText;

inline void WriteFile(const std::string& path, const std::string& bytes) {
    testsupport::WriteFileText(path, bytes);
}

// A file's inode and modification time: the same only while it is neither replaced nor rewritten.
inline std::tuple<ino_t, time_t, long> InodeAndTime(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return {info.st_ino, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

// One settings line per entry: login, ID, user name, CR LF.
inline std::string Lines(std::initializer_list<std::array<const char*, 3>> entries) {
    std::string text;
    for (const auto& e : entries)
        text += std::string(e[0]) + "," + e[1] + "," + e[2] + "\r\n";
    return text;
}

using Rows = std::vector<std::vector<std::string>>; // the cells of list rows

// Three entries, and the rows the list shows for them.
inline const std::string kThreeEntries =
    Lines({{"anna", "5", "Anna A"}, {"bob", "7", "Bob B"}, {"carl", "9", "Carl C"}});
inline const Rows kThreeRows = {{"Anna A", "5"}, {"Bob B", "7"}, {"Carl C", "9"}};

// The titles of the list window and of the entry editor.
inline const std::string kListTitle = "Job Accounts", kEditorTitle = "Account";

// Entries "uN,N,User N" for N from first to last.
inline std::string NumberedLines(int first, int last) {
    std::string text;
    for (int n = first; n <= last; ++n) {
        const std::string number = std::to_string(n);
        text += "u" + number + "," + number + ",User " + number + "\r\n";
    }
    return text;
}

// The login name of the user the program runs as, as "whoami" gives it.
inline std::string CurrentLogin() {
    std::string name;
    if (FILE* pipe = popen("whoami", "r")) {
        char line[129] = {};
        if (std::fgets(line, sizeof line, pipe)) name = line;
        pclose(pipe);
    }
    return name.substr(0, name.find_first_of(" \n"));
}

// A text as the script language quotes it.
inline std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

// Fills the three fields of an editor just opened (its login field selected): each text
// replaces the selected one; Tab moves on and selects the next field.
inline std::string TypeFields(const std::string& login, const std::string& user,
                              const std::string& id) {
    auto field = [](const std::string& text) {
        return text.empty() ? std::string("key backspace\n") : "type " + Quoted(text) + "\n";
    };
    return field(login) + "key tab\n" + field(user) + "key tab\n" + field(id);
}

// Reads the quoted texts of a printout line, in order, undoing the \" and \\ escapes; `rest`
// receives what follows the last one.
inline std::vector<std::string> QuotedTexts(const std::string& line, std::string* rest = nullptr) {
    std::vector<std::string> texts;
    size_t at = 0, end = 0;
    while ((at = line.find('"', end)) != std::string::npos) {
        std::string text;
        for (end = at + 1; end < line.size() && line[end] != '"'; ++end) {
            if (line[end] == '\\' && end + 1 < line.size()) ++end;
            text += line[end];
        }
        texts.push_back(text);
        ++end;
    }
    if (rest) *rest = line.substr(std::min(end, line.size()));
    return texts;
}

inline std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The rectangle that ends an item line of a detailed printout: " at L,T,R,B".
inline const std::regex& ItemBoxPattern() {
    static const std::regex pattern(" at (-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+)$");
    return pattern;
}

struct ListView {
    int rows = -1, top = -1, selected = -1; // selected -1: nothing selected
};

// One window of a printout: its "window" line and the lines under it.
struct WindowView {
    std::string title, header;
    bool front = false;
    std::vector<std::string> lines; // trimmed

    // The line of item n without "item n ", or nothing when the item is not shown.
    std::optional<std::string> item(int n) const {
        const std::string prefix = "item " + std::to_string(n) + " ";
        for (const auto& line : lines)
            if (line.starts_with(prefix)) return line.substr(prefix.size());
        return std::nullopt;
    }
    std::string text(int n) const {
        auto texts = QuotedTexts(item(n).value_or(""));
        return texts.empty() ? "" : texts[0];
    }
    // What follows the item's text: "active default", "focus selection 0-4", ... without the
    // rectangle of a detailed printout.
    std::string state(int n) const {
        std::string rest;
        QuotedTexts(item(n).value_or(""), &rest);
        return Trimmed(std::regex_replace(rest, ItemBoxPattern(), ""));
    }
    // The item's rectangle, global, when the printout is detailed.
    std::optional<Rect> box(int n) const {
        std::string rest;
        QuotedTexts(item(n).value_or(""), &rest);
        std::smatch at;
        if (!std::regex_search(rest, at, ItemBoxPattern())) return std::nullopt;
        return Rect{SInt16(std::stoi(at[2])), SInt16(std::stoi(at[1])), SInt16(std::stoi(at[4])),
                    SInt16(std::stoi(at[3]))};
    }
    bool active(int n) const { return state(n).starts_with("active"); }
    bool hasStatic(const std::string& text) const {
        for (const auto& line : lines)
            if (line.starts_with("item ") && line.find(" static \"") != std::string::npos &&
                QuotedTexts(line)[0] == text)
                return true;
        return false;
    }
    // "stop", "caution", "plain", or empty when the window is not an alert.
    std::string alert() const {
        for (const auto& line : lines) {
            if (line == "alert") return "plain";
            if (line.starts_with("alert ")) return line.substr(6);
        }
        return "";
    }
    // The alert's 'ALRT' resource, when the printout is detailed; 0 otherwise.
    int alertResource() const {
        const std::string prefix = "resource 'ALRT' ";
        for (const auto& line : lines)
            if (line.starts_with(prefix)) return std::stoi(line.substr(prefix.size()));
        return 0;
    }
    std::string origin() const { // "X,Y" of the content
        std::smatch at;
        return std::regex_search(header, at, std::regex(" at (-?\\d+,-?\\d+) ")) ? at[1].str() : "";
    }
    ListView list() const {
        ListView view;
        for (const auto& line : lines) {
            if (!line.starts_with("list ")) continue;
            std::sscanf(line.c_str(), "list %d rows x %*d column%*[s], top row %d", &view.rows,
                        &view.top);
            const size_t selected = line.find("selected row ");
            if (selected != std::string::npos)
                view.selected = std::stoi(line.substr(selected + 13));
        }
        return view;
    }
    // The cells of the shown rows of the list.
    std::vector<std::vector<std::string>> rows() const {
        std::vector<std::vector<std::string>> rows;
        for (const auto& line : lines)
            if (line.starts_with("row ")) rows.push_back(QuotedTexts(line));
        return rows;
    }
};

struct ScreenView {
    std::string text;
    std::string label;              // of `print "LABEL"`; empty without one
    std::vector<std::string> menus; // the "menu ID ..." lines
    std::vector<WindowView> windows;

    const WindowView* window(const std::string& title) const {
        for (const auto& w : windows)
            if (w.title == title) return &w;
        return nullptr;
    }
    int count(const std::string& title) const {
        int n = 0;
        for (const auto& w : windows)
            n += w.title == title;
        return n;
    }
    const WindowView& front() const {
        static const WindowView none;
        for (const auto& w : windows)
            if (w.front) return w;
        return none;
    }
    // The command IDs of the enabled menu items ("1", "23", "'quit'").
    std::set<std::string> enabledCommands() const {
        std::set<std::string> commands;
        static const std::regex item("(\\*?) #([^, ]+)");
        for (const auto& line : menus)
            for (std::sregex_iterator it(line.begin(), line.end(), item), end; it != end; ++it)
                if ((*it)[1].length()) commands.insert((*it)[2].str());
        return commands;
    }
};

inline ScreenView ParseScreen(const std::string& printout) {
    ScreenView screen;
    screen.text = printout;
    std::istringstream in(printout);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("--- screen \"")) {
            screen.label = QuotedTexts(line)[0];
        } else if (line.starts_with("window ")) {
            WindowView window;
            window.header = line;
            window.title = QuotedTexts(line)[0];
            window.front = line.find("\" dialog front ") != std::string::npos ||
                           line.find(" window front ") != std::string::npos;
            screen.windows.push_back(window);
        } else if (line.starts_with("  ") && !screen.windows.empty()) {
            screen.windows.back().lines.push_back(Trimmed(line));
        } else if (line.starts_with("  menu ")) {
            screen.menus.push_back(Trimmed(line));
        }
    }
    return screen;
}

// The screen printouts of a run, in order.
inline std::vector<std::string> Screens(const std::string& out) {
    std::vector<std::string> screens;
    size_t at = 0;
    while ((at = out.find("--- screen", at)) != std::string::npos) {
        size_t end = out.find("\n---\n", at);
        screens.push_back(out.substr(at, end == std::string::npos ? end : end - at + 5));
        at = end == std::string::npos ? out.size() : end;
    }
    return screens;
}

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<ScreenView> screens;

    // The beeps sounded after printout n (-1: from the start) and before the next printout.
    int beepsAfter(int n) const {
        std::vector<size_t> starts;
        for (size_t at = 0; (at = out.find("--- screen", at)) != std::string::npos; ++at)
            starts.push_back(at);
        const size_t from = n < 0 ? 0 : starts.at(size_t(n));
        const size_t to = size_t(n + 1) < starts.size() ? starts[size_t(n + 1)] : out.size();
        int beeps = 0;
        for (size_t at = from; (at = out.find("beep at tick", at)) < to; ++at)
            ++beeps;
        return beeps;
    }
};

inline const std::vector<UInt8>* BundleResource(const char (&type)[5], int id) {
    static const platform::resources::ResourceFileImage image = [] {
        platform::resources::ResourceFileImage parsed;
        platform::resources::ParseResourceFile(
            testsupport::ReadFileBytes(std::string(KORVANE_BUILD_BUNDLE) +
                                       "/Contents/Resources/Korvane.rsrc"),
            &parsed);
        return parsed;
    }();
    for (const auto& entry : image.entries)
        if (entry.type == FOUR_CHAR_CODE(type) && entry.id == id) return &entry.data;
    return nullptr;
}

inline int Big16(const std::vector<UInt8>& bytes, size_t at) {
    return SInt16((bytes.at(at) << 8) | bytes.at(at + 1));
}

// The text of the first static item of alert `id`, as its item list holds it.
inline std::string AlertMessage(int id) {
    const std::vector<UInt8>* alert = BundleResource("ALRT", id);
    const std::vector<UInt8>* items = alert ? BundleResource("DITL", Big16(*alert, 8)) : nullptr;
    if (!items) return "(no alert " + std::to_string(id) + ")";
    size_t at = 2;
    for (int i = 0; i <= Big16(*items, 0); ++i) {
        const size_t length = items->at(at + 13);
        if ((items->at(at + 12) & 0x7F) == 8)
            return std::string(items->begin() + long(at) + 14,
                               items->begin() + long(at + 14 + length));
        at += 14 + length + (length & 1);
    }
    return "(no static text in alert " + std::to_string(id) + ")";
}

// String `index` of the error messages ('STR#' 128).
inline std::string ErrorMessage(int index) {
    const std::vector<UInt8>* list = BundleResource("STR#", 128);
    if (!list || index > Big16(*list, 0)) return "";
    size_t at = 2;
    for (int i = 1; i < index; ++i)
        at += 1 + list->at(at);
    return std::string(list->begin() + long(at) + 1, list->begin() + long(at + 1 + list->at(at)));
}

// The value of a key of the bundle's information dictionary.
inline std::string InfoValue(const std::string& key) {
    const std::string plist =
        ReadFileText(std::string(KORVANE_BUILD_BUNDLE) + "/Contents/Info.plist");
    const size_t at = plist.find("<key>" + key + "</key>");
    const size_t start = plist.find("<string>", at) + 8;
    return at == std::string::npos ? ""
                                   : plist.substr(start, plist.find("</string>", start) - start);
}

// The front window is the error alert (130) with one of the error messages.
inline bool ShowsErrorAlert(const ScreenView& screen) {
    for (int index : {1, 3, 4, 5, 8})
        if (screen.front().alert() == "caution" && screen.front().hasStatic(ErrorMessage(index)))
            return true;
    return false;
}

// The front window is alert `id` (its message shown).
inline bool ShowsAlert(const ScreenView& screen, int id) {
    return !screen.front().alert().empty() && screen.front().hasStatic(AlertMessage(id));
}

class ProgramTest : public ::testing::Test {
  protected:
    std::string userPrefs() const { return domains.userPreferences(); }
    std::string workingCopy() const { return userPrefs() + "/QZJA.temp"; }
    std::string prefsFile() const { return userPrefs() + "/Korvane Preferences"; }
    std::string oemFolder() const { return domains.localRoot() + "/etc/Korvane"; }
    std::string jaFile() const { return oemFolder() + "/JobAccounting"; }

    void WriteJAFile(const std::string& bytes) { WriteFile(jaFile(), bytes); }

    // The program with the script; the administrator prompt is asked even as root, so that the
    // script answers it. A program still running after a minute is stopped (SIGALRM).
    RunResult Run(const std::string& script) { return Finish(Start(script)); }

    struct Started {
        pid_t pid;
        std::string outPath, errPath;
    };

    // The program started with the script, running beside the test; `name` keeps the files of
    // runs at the same time apart.
    Started Start(const std::string& script, const std::string& name = "run") {
        std::string scriptPath = domains.temp() / (name + ".script");
        WriteFile(scriptPath, script);
        return StartWith({"--script", scriptPath}, name, true);
    }

    // The program with these arguments, to its end; as root it has the right without asking
    // unless askAsRoot.
    RunResult RunWith(const std::vector<std::string>& arguments, bool askAsRoot = false) {
        return Finish(StartWith(arguments, "command", askAsRoot));
    }

    Started StartWith(const std::vector<std::string>& arguments, const std::string& name,
                      bool askAsRoot) {
        Started run{-1, domains.temp() / (name + ".out"), domains.temp() / (name + ".err")};
        run.pid = fork();
        if (run.pid == 0) {
            if (askAsRoot) setenv("KORVANE_ASK_AS_ROOT", "1", 1);
            // A HOME other than the recorded home would make the program think it is confined.
            if (!home.empty())
                setenv("HOME", home.c_str(), 1);
            else if (const passwd* user = getpwuid(getuid()))
                setenv("HOME", user->pw_dir, 1);
            if (!std::freopen(run.outPath.c_str(), "w", stdout) ||
                !std::freopen(run.errPath.c_str(), "w", stderr) ||
                (!input.empty() && !std::freopen(input.c_str(), "r", stdin)))
                _exit(127);
            alarm(60);
            std::string program = bundle + "/Contents/MacOS/Korvane";
            std::vector<char*> argv{program.data()};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        return run;
    }

    // Waits, at most 30 seconds, until the started program has printed `count` screens.
    bool AwaitScreens(const Started& run, size_t count) {
        for (int i = 0; i < 3000; ++i) {
            if (Screens(ReadFileText(run.outPath)).size() >= count &&
                ReadFileText(run.outPath).ends_with("\n---\n"))
                return true;
            usleep(10000);
        }
        return false;
    }

    RunResult Finish(const Started& run) {
        int status = 0;
        waitpid(run.pid, &status, 0);
        RunResult result;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.out = ReadFileText(run.outPath);
        result.err = ReadFileText(run.errPath);
        for (const auto& screen : Screens(result.out))
            result.screens.push_back(ParseScreen(screen));
        return result;
    }

    // Type and creator from the file's Finder information.
    std::optional<std::pair<std::string, std::string>> TypeAndCreator(const std::string& path) {
        FSSpec spec;
        FInfo info;
        if (PathToFSSpec(path.c_str(), &spec) != noErr ||
            testsupport::GetFileFinderInfo(spec, &info) != noErr)
            return std::nullopt;
        auto text = [](OSType code) {
            return std::string{char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
        };
        return std::make_pair(text(info.fdType), text(info.fdCreator));
    }

    std::optional<DialogPositionRec> SavedPosition(SInt16 dialogID) {
        FSSpec spec;
        if (PathToFSSpec(prefsFile().c_str(), &spec) != noErr) return std::nullopt;
        return testsupport::ReadSavedPosition(&spec, dialogID);
    }

    static bool RunningAsRoot() { return geteuid() == 0; }

    testsupport::ScopedDomains domains;
    std::string bundle = KORVANE_BUILD_BUNDLE; // the program's bundle that runs
    std::string home;                          // its HOME when not the recorded one
    std::string input;                         // a file for its standard input, when not empty
};

// Skips a test that commits: the administrator right is granted only to a process running as
// root (the prompt's answer is not checked then).
#define SKIP_UNLESS_ROOT()                                                                         \
    if (!RunningAsRoot()) GTEST_SKIP() << "committing needs the process to run as root"

} // namespace endtoend
