// The job's options as the scheduler hands them to a backend ("name=value" words, read by the
// printing system's own option parser, as the printer's backend reads them).
#pragma once

#include <optional>
#include <string>

// The options without any job-account-id or job-accounting-user-id the person printing gave,
// and with the list's ID when id is not empty: a job is billed by the list alone. Nothing when
// the result would not read back as exactly that.
std::optional<std::string> OptionsWithAccountID(const std::string& options, const std::string& id);
