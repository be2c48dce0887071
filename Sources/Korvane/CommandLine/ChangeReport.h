// What a changing subcommand reports: its own lines of text, or with --format=json one JSON
// object that says what changed, as data.
#pragma once

#include "Korvane/CommandLine/ImportedFile.h"
#include "Korvane/DataStore/AccountChanges.h"

// Takes --format=text or --format=json out of the arguments; false for any other --format=.
bool TakeFormat(int* argc, char** argv, OutputFormat* format);

// On standard output:
//   {"changed": true, "dry_run": false,
//    "added": [ACCOUNT...], "removed": [ACCOUNT...],
//    "modified": [{"login": L, "before": ACCOUNT, "after": ACCOUNT}...],
//    "unchanged": N, "skipped": [{"line": N, "reason": TEXT, "refused": true}...]}
// where ACCOUNT is {"login", "id", "user"}; "changed" says whether the list was saved (or, in a
// dry run, would be). After a commit that moved the file from where earlier versions kept it,
// "moved_from": PATH follows.
void PrintJsonChanges(const AccountChanges& found, bool dryRun,
                      const SkippedLines* skipped = nullptr, const char* movedFrom = nullptr);
