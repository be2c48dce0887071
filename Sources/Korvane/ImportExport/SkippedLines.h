// The lines of a CSV file that an import leaves out, each with why: for the import's closing
// alert and for the command line, in the same words.
#pragma once

#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ImportExport/ImportParse.h"

#include <cstdio>
#include <string>
#include <vector>

// Why the import leaves a line out, by line. A line that a later one with its login name
// replaces is left out, but not refused.
class SkippedLines {
  public:
    // count: the lines the note stands for, this one and those after it.
    void Add(SInt32 line, std::string why, bool refused = true, SInt32 count = 1);
    bool AnyRefused() const { return refused_ > 0; }
    // The lines left out in all.
    SInt32 Count() const { return count_; }
    // "FILE:LINE: skipped: why" for each, in line order.
    void Print(const char* file, std::FILE* out = stdout) const;
    // Each note, in line order: its line, why, whether it was refused, the lines it stands for.
    struct Line {
        SInt32 number;
        std::string why;
        bool refused;
        SInt32 count;
    };
    const std::vector<Line>& Lines() const { return lines_; }

  private:
    std::vector<Line> lines_;
    int refused_ = 0;
    SInt32 count_ = 0;
};

// After SortOutImport with lines: notes the lines that the parser, the entry rules and the
// duplicates leave out, and those past the lines an import reads.
void NoteSkippedLines(const JASettingBlock* staged, const ImportLines& lines,
                      SkippedLines* skipped);

// Notes the first accepted line whose new entry the list has no room for, standing for every
// such line. replaces is what FindImportReplacements found.
void NoteLinesCut(const SettingPrivateRec* setting, const Boolean* replaces,
                  const ImportLines& lines, SkippedLines* skipped);
