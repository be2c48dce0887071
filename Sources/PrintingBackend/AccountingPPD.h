// The queue's PPD file as the printer's own backend must see it to send job-account-id: that
// backend sends the job's account ID only when the PPD says `*cupsJobAccountId: True`, and the PPD
// the scheduler makes for a printer says so only when the printer announces the attribute.
#pragma once

#include <string>
#include <string_view>

// True when every cupsJobAccountId line of the PPD text asks for job-account-id, and one does.
bool PPDSendsAccountID(std::string_view ppd);

// The PPD text with every cupsJobAccountId line taken out and one saying True at the end.
std::string PPDWithAccountID(std::string_view ppd);

// A path that names the queue's PPD (at path) with the flag, for the process and the program it
// becomes: the path itself when it has the flag, else an anonymous in-memory copy that no one
// else can reach and that goes when the job's backend ends. Empty, with why in words, on failure.
std::string AccountingPPDPath(const std::string& path, std::string* why);
