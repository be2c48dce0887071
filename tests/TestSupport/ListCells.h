// Test support: a list's cells read back through the List Manager.
#pragma once

#include "Platform/Lists.h"

#include <string>

namespace testsupport {

inline std::string CellText(ListHandle list, Cell cell) {
    std::string data(0x7FFF, '\0');
    SInt16 length = SInt16(data.size());
    LGetCell(data.data(), &length, cell, list);
    data.resize(size_t(length));
    return data;
}

// How many rows the list holds.
inline SInt16 RowCount(ListHandle list) {
    return (**list).dataBounds.bottom;
}

} // namespace testsupport
