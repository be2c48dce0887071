// korvane check [FILE|-]: whether each line of the job-accounting file is one the program reads
// as an entry the entry editor would accept; or, with FILE, which lines an import or an apply of
// FILE would leave out, and why.
#include "Korvane/CommandLine/ImportedFile.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/Shell/AlertText.h"

#include <string>
#include <string_view>
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

struct EntryCheck {
    LineReporter* report;
    std::unordered_map<std::string, long> firstLine;
    std::unordered_map<long, JALineFault> faults; // by line number
    long pastLimit = 0;                           // lines after the list's last entry
};

void NoteFault(SInt32 line, JALineFault fault, void* refCon) {
    auto* check = static_cast<EntryCheck*>(refCon);
    if (fault == kJALinePastLimit)
        ++check->pastLimit;
    else
        check->faults.emplace(line, fault);
}

// A line the list cannot keep as it stands says so first: that is what a save would change.
std::string FaultText(JALineFault fault) {
    if (fault == kJALineFieldTooLong)
        return "A field is longer than 255 bytes: the list keeps its first 255.";
    if (fault == kJALineZeroByte)
        return "The line holds a zero byte: a save keeps its field only up to it.";
    return "The line does not hold a login name, an ID and a user name, separated by commas.";
}

void CheckEntry(const JASetting& entry, SInt16 index, void* refCon) {
    auto* check = static_cast<EntryCheck*>(refCon);
    const long line = index + 1;
    if (auto fault = check->faults.find(line); fault != check->faults.end()) {
        check->report->Bad(line, FaultText(fault->second));
        return;
    }
    if (short rule = FirstBrokenEntryRule(entry)) {
        check->report->Bad(line, AlertText(rule));
        return;
    }
    auto [at, fresh] = check->firstLine.emplace(std::string(LoginOf(entry)), line);
    if (!fresh)
        check->report->Bad(line, "The login name of line " + std::to_string(at->second) +
                                     " again: each login name has one entry.");
}

// Each line of the text as the program reads it.
int CheckText(const char* name, std::string_view text) {
    LineReporter report(name);
    EntryCheck check{&report, {}, {}, 0};
    const auto* bytes = reinterpret_cast<const UInt8*>(text.data());
    VisitJASettingFaults(bytes, SInt32(text.size()), NoteFault, &check);
    VisitJASettingText(bytes, SInt32(text.size()), CheckEntry, &check);
    if (check.pastLimit > 0)
        report.Bad(kJAMaxEntries + 1, "This line and the " + std::to_string(check.pastLimit - 1) +
                                          " after it are not read: the list holds " +
                                          std::to_string(kJAMaxEntries) + " entries.");
    return report.BadLines() == 0 ? kExitDone : kExitRefused;
}

// A file to import or apply, read as they read it: the lines they would leave out, and why.
int CheckImportFile(const char* file) {
    std::string text;
    if (const char* problem = ReadFileText(file, &text)) return ReportFileProblem(file, problem);
    ListChangeClass staging;
    std::vector<const JASetting*> accounts;
    SkippedLines skipped;
    const int status = ReadMasterFile(staging, file, text, &skipped, "", &accounts);
    skipped.Print(file);
    return status;
}

} // namespace

int CheckCommand(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && IsOption(argv[1]))) return UsageError("check");
    if (argc == 2) return CheckImportFile(argv[1]);
    SystemListClass list;
    if (OSErr err = list.Read()) return ReportJAFileError(list.Context(), err);
    // Read where it lies: a copy of the whole list costs more than the checking.
    return CheckText(list.Context()->jaFilePath,
                     {reinterpret_cast<const char*>(list.Text()), size_t(list.Length())});
}
