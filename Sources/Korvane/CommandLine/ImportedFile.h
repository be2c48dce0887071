// A CSV file read as the program's import reads it, for the subcommands that take one (import,
// apply, diff, check): its entries staged, and the lines it leaves out with why.
#pragma once

#include "Korvane/CommandLine/ListChange.h"
#include "Korvane/ImportExport/ImportParse.h"
#include "Korvane/ImportExport/SkippedLines.h"

#include <string>
#include <vector>

// Stages the text as the program's import does (parser, entry rules, duplicates), into the
// change's import staging block, and notes the lines it leaves out. 0 or the error.
OSErr ReadImportedFile(ListChangeClass& change, const std::string& text, ImportLines* lines,
                       SkippedLines* skipped);

// FILE's text read as a master list: its accounts staged in the change's import block and listed
// in target, in file order, and the lines left out in skipped. A refused line, or more accounts
// than the list holds, refuses it all with a message on standard error that ends with
// consequence. An exit status.
int ReadMasterFile(ListChangeClass& change, const char* file, const std::string& text,
                   SkippedLines* skipped, const char* consequence,
                   std::vector<const JASetting*>* target);

// The staged entries that the import takes from the file, in file order: the last line of each
// login name, keeping the entry rules.
std::vector<const JASetting*> ImportedEntries(const JASettingBlock* staged);
