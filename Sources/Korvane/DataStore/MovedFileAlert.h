// Alert 1020, after a Save that moved the job-accounting file from where earlier versions
// kept it.
#pragma once

#include "Korvane/Shell/GlueRec.h"

constexpr short kMovedFileAlert = 1020;

// Tells of the move the last commit made, once, with the former and the new path as ^0 and ^1;
// nothing when it made none.
void MovedFileAlert(GlueRec* context);
