// korvane add, set and remove: the entry editor's and the list's jobs, by the same rules, with
// the same messages, committed as a Save commits.
#include "Korvane/CommandLine/ChangeReport.h"
#include "Korvane/CommandLine/ListChange.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialogActions.h"
#include "Korvane/Shell/AlertText.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// False, after saying so, when the text does not fit a field.
bool SetField(StringPtr field, const std::string& text) {
    if (text.size() > 255) {
        std::fprintf(stderr, "korvane: \"%.40s...\" is longer than 255 bytes\n", text.c_str());
        return false;
    }
    field[0] = UInt8(text.size());
    std::memcpy(field + 1, text.data(), text.size());
    return true;
}

// The first rule the entry breaks, told as the editor's alert tells it; true when it keeps all.
// A login name kept as listed may hold spaces, as the editor lets it.
bool KeepsTheRules(const JASetting& entry, bool listedLogin = false) {
    const short rule = FirstBrokenEntryRule(entry, listedLogin);
    if (rule != 0) std::fprintf(stderr, "korvane: %s\n", AlertText(rule).c_str());
    return rule == 0;
}

std::string Joined(const std::vector<std::string>& words, size_t from) {
    std::string text;
    for (size_t i = from; i < words.size(); ++i)
        text += (i > from ? " " : "") + words[i];
    return text;
}

// Puts the entry in the list: over the one with its login name when replacing is allowed,
// otherwise first, as the editor adds. An exit status.
int PlaceEntry(ListChangeClass& change, const JASetting& entry, const char* login, bool replace) {
    JASettingBlock* entries = change.Entries();
    const SInt16 existing = FindLogin(entries, login);
    if (existing >= 0 && !replace) {
        std::fprintf(stderr, "korvane: %s is listed already; --replace replaces that entry\n",
                     login);
        return kExitRefused;
    }
    if (existing >= 0) {
        entries->records[existing] = entry;
        return kExitDone;
    }
    if (entries->entryCount >= kJAMaxEntries) {
        std::fprintf(stderr, "korvane: %s\n", AlertText(kListFullAlertID).c_str());
        return kExitRefused;
    }
    JAInsertAtPageStart(change.Context(), &entry);
    return kExitDone;
}

// With --format=json, what the change did to the list, as data; false for text, which the
// subcommand prints itself.
bool ReportedAsJson(const ListChangeClass& change, OutputFormat format) {
    if (format != OutputFormat::Json) return false;
    PrintJsonChanges(CompareAccounts(change.Original(), EntriesOf(change.Entries())), false,
                     nullptr, change.MovedFrom());
    return true;
}

// set LOGIN, then options each with its value.
bool ParseSetOptions(int argc, char** argv, const char** id, const char** user) {
    if (argc < 4 || argc % 2) return false;
    for (int i = 2; i < argc; i += 2)
        if (!std::strcmp(argv[i], "--id"))
            *id = argv[i + 1];
        else if (!std::strcmp(argv[i], "--user"))
            *user = argv[i + 1];
        else
            return false;
    return true;
}

} // namespace

int AddCommand(int argc, char** argv) {
    const bool force = TakeFlag(&argc, argv, "--force");
    OutputFormat format = OutputFormat::Text;
    if (!TakeFormat(&argc, argv, &format)) return UsageError("add");
    bool replace = false;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--replace"))
            replace = true;
        else if (IsOption(argv[i]))
            return UsageError("add");
        else
            words.emplace_back(argv[i]);
    if (words.size() < 2) return UsageError("add");
    JASetting entry{};
    if (!SetField(entry.loginName, words[0]) || !SetField(entry.accountID, words[1]) ||
        !SetField(entry.userName, Joined(words, 2)) || !KeepsTheRules(entry))
        return kExitRefused;
    ListChangeClass change(format);
    int status = change.Begin();
    if (status != kExitDone) return status;
    const bool listed = FindLogin(change.Entries(), words[0].c_str()) >= 0;
    status = PlaceEntry(change, entry, words[0].c_str(), replace);
    if (status == kExitDone) status = change.Commit(force);
    if (status == kExitDone && !ReportedAsJson(change, format))
        std::printf("%s %s\n",
                    change.Unchanged() ? "unchanged"
                    : listed           ? "replaced"
                                       : "added",
                    words[0].c_str());
    return status;
}

int SetCommand(int argc, char** argv) {
    const bool force = TakeFlag(&argc, argv, "--force");
    OutputFormat format = OutputFormat::Text;
    if (!TakeFormat(&argc, argv, &format)) return UsageError("set");
    const char *id = nullptr, *user = nullptr;
    if (!ParseSetOptions(argc, argv, &id, &user)) return UsageError("set");
    ListChangeClass change(format);
    int status = change.Begin();
    if (status != kExitDone) return status;
    const SInt16 index = FindLogin(change.Entries(), argv[1]);
    if (index < 0) return ReportNoSuchLogin(argv[1]);
    JASetting entry = change.Entries()->records[index];
    if ((id && !SetField(entry.accountID, id)) || (user && !SetField(entry.userName, user)) ||
        !KeepsTheRules(entry, true))
        return kExitRefused;
    change.Entries()->records[index] = entry;
    status = change.Commit(force);
    if (status == kExitDone && !ReportedAsJson(change, format))
        std::printf("%s %s\n", change.Unchanged() ? "unchanged" : "changed", argv[1]);
    return status;
}

int RemoveCommand(int argc, char** argv) {
    const bool force = TakeFlag(&argc, argv, "--force");
    OutputFormat format = OutputFormat::Text;
    if (!TakeFormat(&argc, argv, &format)) return UsageError("remove");
    if (argc < 2 || std::any_of(argv + 1, argv + argc, IsOption)) return UsageError("remove");
    ListChangeClass change(format);
    int status = change.Begin();
    if (status != kExitDone) return status;
    // A login name that is not listed is already as asked: removing it changes nothing.
    std::vector<bool> removed(static_cast<size_t>(argc));
    for (int i = 1; i < argc; ++i) {
        const SInt16 index = FindLogin(change.Entries(), argv[i]);
        removed[size_t(i)] = index >= 0;
        if (index >= 0) JobAccountDialogDeleteRecord(change.Context(), index);
    }
    status = change.Commit(force);
    if (status == kExitDone && ReportedAsJson(change, format)) return status;
    for (int i = 1; status == kExitDone && i < argc; ++i)
        std::printf("%s %s\n", removed[size_t(i)] ? "removed" : "unchanged", argv[i]);
    return status;
}
