// The page window through which the list dialog shows at most kJAEntriesPerPage entries.
#pragma once

#include "Korvane/DataStore/SettingPrivateRec.h"

// Pages the entries need: 1 for an empty list, at most 5.
SInt16 JAPageCount(SInt16 entryCount);
// Number of the last entry shown on the page that starts at firstShown; 0 for an empty list.
SInt16 JALastShown(SInt16 firstShown, SInt16 entryCount);
// After the entry count changed: the page on show keeps its start, its end and the page count
// follow the entries.
void FitJAPageToEntries(SettingPrivateRec* setting);
// Shows the first page of the entries the record holds.
void ShowFirstJAPage(SettingPrivateRec* setting);
// Record index in the block of a row (from 0) of the page shown.
SInt16 JARecordIndexOfRow(const SettingPrivateRec* setting, SInt16 row);
