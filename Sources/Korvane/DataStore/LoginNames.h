// When two login names name the same account: the one rule for the list's lookups, the editor's
// and the import's duplicates, the command line's changes and the printing backend's billing.
#pragma once

#include "Platform/MacTypes.h"

#include <string_view>

// The same bytes, lengths included: no case folding, no trimming, no normalization. The saved
// file holds the bytes, and a job is billed to the entry whose login name is exactly the job's
// user name, so "ann", "Ann" and "ann " are three accounts.
Boolean SameLoginName(ConstStr255Param a, ConstStr255Param b);
Boolean SameLoginName(ConstStr255Param name, std::string_view login);

// A login name as the key of a hash table; the table's equality of keys is the rule above.
std::string_view LoginNameKey(ConstStr255Param name);
