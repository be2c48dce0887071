// Sorting the whole entry list by login name, user name or ID.
#pragma once

#include "Korvane/Shell/GlueRec.h"

enum : short { kSortByLogin = 1, kSortByUser = 2, kSortByID = 3 };

// 0 or the status that stopped it (already shown).
OSErr Sort_JA_List(GlueRec* context, short method);
int compare_login(const void* a, const void* b);
int compare_user(const void* a, const void* b);
int compare_id(const void* a, const void* b);
// Three-way comparison of two Str255 names, the way file names are ordered for people.
int CompareLikeTheFinder(const void* a, const void* b, void* unused);
