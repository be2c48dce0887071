// The job's options as the scheduler hands them to a backend: "name=value" words, values quoted
// with ' or " or escaped with \, collections in braces.
#pragma once

#include <string>
#include <string_view>

// The options without any job-account-id the person printing gave (nor its "no" form), and with
// the list's ID when id is not empty: a job is billed by the list alone.
std::string OptionsWithAccountID(std::string_view options, std::string_view id);
