// The CSV import: entries read from a comma-separated file the user picks, checked, merged with
// the list (a login name in the file replaces the listed entry) and written to the working copy.
#pragma once

#include "Korvane/Shell/GlueRec.h"

constexpr OSErr kImportCancelledErr = -1;
constexpr OSErr kImportNoMemoryErr = -1;

// The import alerts, in the order they can appear. The first is one of the three that tell the
// results: nothing imported, lines refused, or neither.
enum : short {
    kImportAlertNothing = 1107,
    kImportAlertSkipped = 1105,
    kImportAlertResults = 1021,
    kImportAlertRepeated = 1106,
    kImportAlertListFull = 1104,
};

// The whole import of menu command 10; 0 or the code that stopped it. Only a failure to refresh
// the list is shown.
OSErr ImportFunc(GlueRec* context);

// Lets the user pick the file (importFileSpec) and reads it into importFileText /
// importFileLength.
// kImportCancelledErr when nothing was picked; 0 with no text when memory ran out.
OSErr SelectCSVFile(GlueRec* context);

// Hands the text read to the staging block (importText), the context's buffer then empty; from
// the text's first NUL byte on, every byte reads as NUL.
void StageImportText(GlueRec* context);

// What sorting out the staged text found.
struct ImportOutcome {
    SInt16 incomplete; // lines with bytes but fewer than two commas
    SInt16 invalid;    // complete lines that break an entry rule
    Boolean repeated;  // a later line of the file has the login name of an earlier one
};

struct ImportLines;
// Parses the staged text into the staging slots, checks them and marks the duplicates, without
// telling anyone; with lines, notes which line each slot came from.
ImportOutcome SortOutImport(GlueRec* context, ImportLines* lines);

// Parses the staged text into the staging slots, checks them, marks the duplicates and shows
// the results (alert 1107, 1105 or 1021), then alert 1106 when it applies. 0.
OSErr Store_to_TemporaryInfo_at_ImportFunc(GlueRec* context);

// After SortOutImport with lines: alert 1107 when nothing is imported, 1105 when lines were
// refused, 1021 otherwise, each naming the file, how many entries are added and replaced, how
// many lines are skipped and why the first ones are.
void ShowImportResults(GlueRec* context, const ImportOutcome& outcome, const ImportLines& lines);

// Marks the staged entries that break an entry rule (spaces are allowed in login names) and
// returns how many they are.
SInt16 SampleCheckRange_at_ImportFunc(GlueRec* context);

// Rewrites the working copy from the listed entries kept and the staged entries accepted, at most
// kJAMaxEntries (alert 1104 when that cuts), and sets SAVE_BUTTON_Flag. 0; kImportNoMemoryErr;
// or a file system error, the working copy then keeping its previous content.
OSErr SaveJASettingToJATemp_at_ImportFunc(GlueRec* context);
// The same rewrite without the alert, given which staged entries replace listed ones
// (FindImportReplacements).
OSErr WriteImportToJATemp(GlueRec* context, const Boolean* replaces);
