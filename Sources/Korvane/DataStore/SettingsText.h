// The settings text shared by the job-accounting file and its working copy: one line per entry,
// login name "," account ID "," user name, then CR LF. No quoting, no escaping, no header.
#pragma once

#include "Korvane/DataStore/JASetting.h"

// Bytes one entry's line takes at most, and the line itself written at text (its end returned).
SInt32 JASettingLineCapacity(const JASetting& entry);
UInt8* PutJASettingLine(const JASetting& entry, UInt8* text);

// Bytes the text of the block's entries takes at most.
SInt32 JASettingTextCapacity(const JASettingBlock* block);

// Writes the text of the block's entries into text, which holds JASettingTextCapacity bytes, and
// returns its length. A field ends early at a zero byte.
SInt32 MakeJASettingText(const JASettingBlock* block, UInt8* text);

// Replaces the block's entries with the lines of text. A CR ends a line, an LF is skipped
// wherever it stands, and bytes after the last CR are no line. Commas after the second belong to
// the user name; each field keeps its first 255 bytes; fields a line does not reach are empty.
// At most kJAMaxEntries lines are read. Clears duplicateFlag of each entry read.
void ReadJASettingText(const UInt8* text, SInt32 length, JASettingBlock* block);

// The same lines, each handed to visit with its index as it is read, without a block to hold
// them all. The number read.
typedef void (*JASettingVisitor)(const JASetting& entry, SInt16 index, void* refCon);
SInt16 VisitJASettingText(const UInt8* text, SInt32 length, JASettingVisitor visit, void* refCon);
