// How the import reads a CSV text: lines ended by CR, LF or CR LF, each "login,ID,user name".
#pragma once

#include "Korvane/DataStore/JASetting.h"

constexpr SInt32 kImportLineBytes = 346; // bytes of a line that are read; the rest is dropped

// Where the staged entries came from, for a report that names lines (1-based).
struct ImportLines {
    SInt32 ofSlot[kJASettingSlots];     // the line of each staged slot
    SInt32 incomplete[kJASettingSlots]; // the lines with bytes but fewer than two commas
    SInt16 incompleteCount;
    SInt32 unread; // the lines with bytes after the last line read
};

// Stores the complete lines (two commas at least) of the first kJASettingSlots lines of text
// into the staging slots, in file order, and sets entryCount to their number. A UTF-8 byte-order
// mark at the start is skipped. Slots beyond entryCount are left empty. A login name too long for
// its field comes with invalidFlag set. Returns the number of incomplete lines that hold bytes.
// With lines, also notes where each line went.
SInt16 ParseImportText(const UInt8* text, UInt32 length, JASettingBlock* staged,
                       ImportLines* lines = nullptr);
