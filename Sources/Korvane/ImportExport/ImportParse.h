// How the import reads a CSV text: lines ended by CR, LF or CR LF, each "login,ID,user name".
#pragma once

#include "Korvane/DataStore/JASetting.h"

constexpr SInt32 kImportLineBytes = 346; // bytes of a line that are read; the rest is dropped

// Stores the complete lines (two commas at least) of the first kJASettingSlots lines of text
// into the staging slots, in file order, and sets entryCount to their number. A UTF-8 byte-order
// mark at the start is skipped. Slots beyond entryCount are left empty. A login name too long for
// its field comes with invalidFlag set. Returns the number of incomplete lines that hold bytes.
SInt16 ParseImportText(const UInt8* text, UInt32 length, JASettingBlock* staged);
