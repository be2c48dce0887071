// JSON for the subcommands' --format=json: always valid JSON, whatever bytes the list holds.
#pragma once

#include "Korvane/DataStore/JASetting.h"

#include <string>
#include <string_view>

// A JSON string: quotes, backslashes and control characters escaped; a byte that is not part of
// valid UTF-8 written as the lone surrogate \udcXX (XX the byte), as Python's surrogateescape
// reads it back, so that no raw byte that is not UTF-8 reaches the output.
std::string JsonString(std::string_view text);

// An account ID as a JSON number when it is one (digits, no leading zero), else as a string.
std::string JsonID(ConstStr255Param accountID);

// {"login": ..., "id": ..., "user": ...}
std::string JsonAccount(const JASetting& entry);

// How many characters the UTF-8 text shows as (a byte that is not UTF-8 counts as one).
size_t ShownLength(std::string_view text);
