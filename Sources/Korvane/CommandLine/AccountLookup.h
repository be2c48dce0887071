// The account a login name is billed to, for `get` and the printing backend, which must agree.
#pragma once

#include "Korvane/CommandLine/ListText.h"

enum class AccountOutcome { Listed, NotListed, BrokenEntry };

// The first entry of the list with the login name into entry; BrokenEntry when that entry breaks
// one of the entry editor's rules (its check alert into rule), for such an ID bills no one.
AccountOutcome LookUpAccount(const SystemListClass& list, const char* login, JASetting* entry,
                             short* rule);
