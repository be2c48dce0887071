// The account a job is billed to: its user's entry in the job-accounting file, read with the
// program's own reader and rules.
#pragma once

#include <string>

struct JobAccount {
    enum Outcome { Billed, Unlisted, ListUnreadable } outcome;
    std::string accountID; // Billed: the ID the job carries
    std::string why;       // Unlisted, ListUnreadable: in words, for the job's message
};

JobAccount AccountOfJobUser(const char* user);

// The text with every control character shown as '?', so that no name a job brings can start a
// message line of its own to the scheduler.
std::string Printable(const char* text);
