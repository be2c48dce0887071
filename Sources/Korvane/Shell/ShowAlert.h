// The one place where an error code becomes a message for the person: caution alert 130 with
// a text from 'STR#' 128 as its ^0.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Shows the message for code and clears the alert parameters after it; 0 shows nothing and
// only clears them. The context is not used and may be null. Always true.
Boolean ShowAlert(GlueRec* context, short code);

// Stop alert 1016: the job-accounting file could not be copied into the working copy, with its
// path and the cause (jaCopyErr) in words, so the list is not opened.
void ShowJAFileNotReadAlert(const GlueRec* context);

// Nothing to set up: 0.
OSErr SetMainAlertInfo();
