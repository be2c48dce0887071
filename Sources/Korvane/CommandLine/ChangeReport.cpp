#include "Korvane/CommandLine/ChangeReport.h"

#include "Korvane/CommandLine/JsonText.h"
#include "Korvane/CommandLine/ListChange.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string JsonArray(const std::vector<std::string>& items) {
    std::string json = "[";
    for (size_t i = 0; i < items.size(); ++i)
        json += (i ? ", " : "") + items[i];
    return json + "]";
}

std::string JsonSkipped(const SkippedLines* skipped) {
    std::vector<std::string> items;
    if (skipped)
        for (const SkippedLines::Line& line : skipped->Lines())
            items.push_back("{\"line\": " + std::to_string(line.number) +
                            ", \"reason\": " + JsonString(line.why) +
                            ", \"refused\": " + (line.refused ? "true" : "false") + "}");
    return JsonArray(items);
}

} // namespace

bool TakeFormat(int* argc, char** argv, OutputFormat* format) {
    if (TakeFlag(argc, argv, "--format=json")) *format = OutputFormat::Json;
    if (TakeFlag(argc, argv, "--format=text")) *format = OutputFormat::Text;
    for (int i = 1; i < *argc; ++i)
        if (!std::strncmp(argv[i], "--format=", 9)) return false;
    return true;
}

void PrintJsonChanges(const AccountChanges& found, bool dryRun, const SkippedLines* skipped,
                      const char* movedFrom) {
    std::vector<std::string> added, removed, modified;
    for (const AccountChange& change : found.changes)
        switch (change.kind) {
        case AccountChange::Added:
            added.push_back(JsonAccount(*change.after));
            break;
        case AccountChange::Removed:
            removed.push_back(JsonAccount(*change.before));
            break;
        case AccountChange::Changed:
            modified.push_back("{\"login\": " + JsonString(LoginOf(*change.after)) +
                               ", \"before\": " + JsonAccount(*change.before) +
                               ", \"after\": " + JsonAccount(*change.after) + "}");
            break;
        }
    const std::string moved = movedFrom ? ", \"moved_from\": " + JsonString(movedFrom) : "";
    std::printf("{\"changed\": %s, \"dry_run\": %s, \"added\": %s, \"removed\": %s, "
                "\"modified\": %s, \"unchanged\": %ld, \"skipped\": %s%s}\n",
                found.changes.empty() ? "false" : "true", dryRun ? "true" : "false",
                JsonArray(added).c_str(), JsonArray(removed).c_str(), JsonArray(modified).c_str(),
                found.unchanged, JsonSkipped(skipped).c_str(), moved.c_str());
}
