// The alerts about lines of the job-accounting file that the list cannot keep as they stand:
// caution alert 1017 when the list opens, and 1018 before a Save replaces them.
#pragma once

#include "Korvane/Shell/GlueRec.h"

constexpr short kUntakenLinesAlert = 1017;
constexpr short kReplaceUntakenLinesAlert = 1018;

// The alert, with the number of such lines and the first one's number as ^0 and ^1: the item
// chosen.
short UntakenLinesAlert(const JAUntakenLines& untaken, short alertID);
