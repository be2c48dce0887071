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

// Replaces the block's entries with the lines of text. A line ends at CR LF, CR or LF (files
// written by other tools end their lines in LF), and the bytes after the last end are a line too.
// Commas after the second belong to the user name; each field keeps its first 255 bytes; fields
// a line does not reach are empty. At most kJAMaxEntries lines are read. Clears duplicateFlag of
// each entry read.
void ReadJASettingText(const UInt8* text, SInt32 length, JASettingBlock* block);

// The same lines, each handed to visit with its index as it is read, without a block to hold
// them all. The number read.
typedef void (*JASettingVisitor)(const JASetting& entry, SInt16 index, void* refCon);
SInt16 VisitJASettingText(const UInt8* text, SInt32 length, JASettingVisitor visit, void* refCon);

// Why a line of the text cannot be kept as it stands: the list then holds it cut or not at all,
// and a commit would write it so.
enum JALineFault : SInt16 {
    kJALineWhole = 0,
    kJALineFewerCommas,  // not three fields: the fields it lacks are empty in the list
    kJALineFieldTooLong, // a field over 255 bytes: the list keeps its first 255
    kJALinePastLimit,    // after the list's kJAMaxEntries: not read
    kJALineZeroByte      // a zero byte: a field is written only up to it
};

// Hands each such line to visit (when not null) with its number, from 1; returns how many.
typedef void (*JALineFaultVisitor)(SInt32 line, JALineFault fault, void* refCon);
SInt32 VisitJASettingFaults(const UInt8* text, SInt32 length, JALineFaultVisitor visit,
                            void* refCon);

// How many lines of the text cannot be kept as they stand, and the first one's number (0: none).
struct JAUntakenLines {
    SInt32 count;
    SInt32 firstLine;
};
JAUntakenLines SurveyJASettingText(const UInt8* text, SInt32 length);
