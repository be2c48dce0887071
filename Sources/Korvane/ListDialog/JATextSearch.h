// Finding entries by what a person types: a piece of any field for Find, the start of the user
// name for typing in the list. Letters of every script match in either case ("öztürk" finds
// "Öztürk"); other characters match exactly.
#pragma once

#include "Korvane/DataStore/JASetting.h"

// Record index (from 0) of the first entry after record `after` (-1: from the first) whose login
// name, user name or ID holds the text, going on from the first entry once the last is passed
// and ending with `after` itself; -1 when no entry holds it.
SInt16 JAFindText(const JASettingBlock* block, ConstStr255Param text, SInt16 after);
// Record index of the first entry from `first` to `last` whose user name starts with the text;
// -1 when none does.
SInt16 JAFindUserNameStart(const JASettingBlock* block, ConstStr255Param text, SInt16 first,
                           SInt16 last);
