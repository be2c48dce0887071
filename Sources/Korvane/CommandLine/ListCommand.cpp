// korvane list: the job-accounting file's accounts, in file order.
#include "Korvane/CommandLine/Subcommands.h"

#include "Korvane/CommandLine/JsonText.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/DataStore/AccountChanges.h"
#include "Korvane/DataStore/SettingsText.h"

#include <cstring>
#include <string>

namespace {

enum class ListFormat { Text, Csv, Json };

// A CSV field is quoted when it holds a comma, a quote or a line break; quotes are doubled.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// Text padded with spaces to width characters, as a terminal shows them.
std::string Padded(const std::string& text, size_t width) {
    const size_t shown = ShownLength(text);
    return shown >= width ? text : text + std::string(width - shown, ' ');
}

void PrintEntry(const JASetting& entry, SInt16 index, void* refCon) {
    const ListFormat format = *static_cast<const ListFormat*>(refCon);
    const bool first = index == 0;
    const std::string login(FieldOf(entry.loginName)), user(FieldOf(entry.userName)),
        id(FieldOf(entry.accountID));
    switch (format) {
    case ListFormat::Text:
        std::printf("%s %s %s\n", Padded(login, 16).c_str(), Padded(id, 10).c_str(), user.c_str());
        break;
    case ListFormat::Csv:
        std::printf("%s,%s,%s\n", CsvField(login).c_str(), CsvField(id).c_str(),
                    CsvField(user).c_str());
        break;
    case ListFormat::Json:
        std::printf("%s\n  %s", first ? "" : ",", JsonAccount(entry).c_str());
        break;
    }
}

bool ParseFormat(int argc, char** argv, ListFormat* format) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--format=text"))
            *format = ListFormat::Text;
        else if (!std::strcmp(argv[i], "--format=csv"))
            *format = ListFormat::Csv;
        else if (!std::strcmp(argv[i], "--format=json"))
            *format = ListFormat::Json;
        else
            return false;
    }
    return true;
}

} // namespace

int ListCommand(int argc, char** argv) {
    ListFormat format = ListFormat::Text;
    if (!ParseFormat(argc, argv, &format)) return UsageError("list");
    SystemListClass list;
    if (OSErr err = list.Read()) return ReportJAFileError(list.Context(), err);
    if (format == ListFormat::Json) std::printf("[");
    const SInt16 count = VisitJASettingText(list.Text(), list.Length(), PrintEntry, &format);
    if (format == ListFormat::Json) std::printf(count ? "\n]\n" : "]\n");
    return kExitDone;
}
