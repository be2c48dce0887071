// What the help window's files share: its items, its record, and the ID table's entries.
#pragma once

#include "MorrowCommon_2/ModelessHelpDialog.h"

enum : short {
    kHelpCloseItem = 1,
    kHelpTextItem,
    kHelpScrollBarItem,
    kHelpTitleItem,
    kHelpVersionItem,
    kHelpTopicListItem,
    kHelpPrintItem
};

inline HelpDlgRec* GetModelessHelpDialogRec(DialogRef dialog) {
    return reinterpret_cast<HelpDlgRec*>(GetWRefCon(GetDialogWindow(dialog)));
}

inline short* ModelessHelpDialogTopicTextIDs(HelpDlgRec* rec) {
    return reinterpret_cast<short*>(rec->topicTextIDs);
}

// The scroll bar's value after a press on part: a pixel for an arrow, a view for a page area,
// within the bar's range; the thumb leaves it as it is.
SInt16 ModelessHelpDialogScrollValueAfter(HelpDlgRec* rec, ControlRef control,
                                          ControlPartCode part);
