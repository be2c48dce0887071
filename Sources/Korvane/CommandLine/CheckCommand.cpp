// korvane check [FILE]: whether each line of a settings file is one the program reads as an
// entry the entry editor would accept.
#include "Korvane/CommandLine/AlertText.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

class LineReporter {
  public:
    explicit LineReporter(const char* name) : name_(name) {}
    void Bad(long line, const std::string& why) {
        std::printf("%s:%ld: %s\n", name_, line, why.c_str());
        ++bad_;
    }
    long BadLines() const { return bad_; }

  private:
    const char* name_;
    long bad_ = 0;
};

std::string LoginOf(const JASetting& entry) {
    return std::string(reinterpret_cast<const char*>(entry.loginName + 1), entry.loginName[0]);
}

struct EntryCheck {
    LineReporter* report;
    std::unordered_map<std::string, long> firstLine;
};

void CheckEntry(const JASetting& entry, SInt16 index, void* refCon) {
    auto* check = static_cast<EntryCheck*>(refCon);
    const long line = index + 1;
    if (short rule = FirstBrokenEntryRule(entry)) {
        check->report->Bad(line, AlertText(rule));
        return;
    }
    auto [at, fresh] = check->firstLine.emplace(LoginOf(entry), line);
    if (!fresh)
        check->report->Bad(line, "The login name of line " + std::to_string(at->second) +
                                     " again: each login name has one entry.");
}

// What the reader leaves out: lines past the list's last entry, and bytes after the last CR.
void CheckUnread(const std::string& text, SInt16 entriesRead, LineReporter* report) {
    const long lines = long(std::count(text.begin(), text.end(), '\r'));
    if (lines > entriesRead)
        report->Bad(entriesRead + 1, "This line and the " +
                                         std::to_string(lines - entriesRead - 1) +
                                         " after it are not read: the list holds " +
                                         std::to_string(kJAMaxEntries) + " entries.");
    const size_t rest = text.rfind('\r') == std::string::npos ? 0 : text.rfind('\r') + 1;
    if (text.find_first_not_of('\n', rest) != std::string::npos)
        report->Bad(lines + 1, "The line does not end with a CR: it is not read.");
}

// Each line of the text as the program reads it.
int CheckText(const char* name, const std::string& text) {
    LineReporter report(name);
    EntryCheck check{&report, {}};
    const SInt16 read = VisitJASettingText(reinterpret_cast<const UInt8*>(text.data()),
                                           SInt32(text.size()), CheckEntry, &check);
    CheckUnread(text, read, &report);
    return report.BadLines() == 0 ? kExitDone : kExitRefused;
}

} // namespace

int CheckCommand(int argc, char** argv) {
    if (argc > 2) return UsageError("check [FILE]");
    if (argc == 2) {
        std::string text;
        if (ReadFileText(argv[1], &text)) return CheckText(argv[1], text);
        std::perror(argv[1]);
        return kExitSystemError;
    }
    SystemListClass list;
    if (OSErr err = list.Read())
        return ReportSystemError("cannot read the job-accounting file", err);
    const std::string text(reinterpret_cast<const char*>(list.Text()), size_t(list.Length()));
    return CheckText(list.Context()->jaFilePath, text);
}
