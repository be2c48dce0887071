#include "Korvane/DataStore/JAPages.h"

#include <algorithm>

SInt16 JAPageCount(SInt16 entryCount) {
    SInt16 pages = SInt16((std::max<SInt16>(entryCount, 1) - 1) / kJAEntriesPerPage + 1);
    return std::min<SInt16>(pages, kJAMaxEntries / kJAEntriesPerPage);
}

SInt16 JALastShown(SInt16 firstShown, SInt16 entryCount) {
    return std::min<SInt16>(SInt16(firstShown + kJAEntriesPerPage - 1), entryCount);
}

void FitJAPageToEntries(SettingPrivateRec* setting) {
    SInt16 entryCount = setting->entries->entryCount;
    setting->lastShown = JALastShown(setting->firstShown, entryCount);
    setting->pageCount = JAPageCount(entryCount);
}

void ShowFirstJAPage(SettingPrivateRec* setting) {
    setting->firstShown = 1;
    FitJAPageToEntries(setting);
}

SInt16 JARecordIndexOfRow(const SettingPrivateRec* setting, SInt16 row) {
    return SInt16(setting->firstShown - 1 + row);
}
