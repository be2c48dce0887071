// The account a job is billed to: its user's entry in the job-accounting file, read with the
// program's own reader and rules.
#pragma once

#include "Korvane/DataStore/AccountChanges.h"

#include <string>

struct JobAccount {
    enum Outcome { Billed, Unlisted, ListUnreadable } outcome;
    std::string accountID; // Billed: the ID the job carries
    std::string why;       // Unlisted, ListUnreadable: in words, for the job's message
};

JobAccount AccountOfJobUser(const char* user);
