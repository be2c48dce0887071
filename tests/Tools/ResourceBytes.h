// Test support: reading resource data as the program does, big-endian unless stated.
#pragma once

#include "Platform/MacTypes.h"

#include <gtest/gtest.h>
#include <stdexcept>

#include <string>
#include <vector>

namespace resourcetest {

inline void RequireBytes(const std::vector<UInt8>& b, size_t end) {
    if (end > b.size()) throw std::out_of_range("resource data ends too early");
}

inline int Big16(const std::vector<UInt8>& b, size_t at) {
    return SInt16((b.at(at) << 8) | b.at(at + 1));
}

inline UInt32 Big32(const std::vector<UInt8>& b, size_t at) {
    return (UInt32(b.at(at)) << 24) | (UInt32(b.at(at + 1)) << 16) | (UInt32(b.at(at + 2)) << 8) |
           b.at(at + 3);
}

inline std::string PascalAt(const std::vector<UInt8>& b, size_t at) {
    size_t length = b.at(at);
    RequireBytes(b, at + 1 + length);
    return std::string(b.begin() + long(at) + 1, b.begin() + long(at + 1 + length));
}

inline Rect RectAt(const std::vector<UInt8>& b, size_t at) {
    return Rect{SInt16(Big16(b, at)), SInt16(Big16(b, at + 2)), SInt16(Big16(b, at + 4)),
                SInt16(Big16(b, at + 6))};
}

struct DialogItem {
    int kind = 0; // the type byte without the disabled flag
    bool disabled = false;
    Rect box{};
    std::vector<UInt8> data;
    std::string text() const { return std::string(data.begin(), data.end()); }
    int resourceID() const { return Big16(data, 0); }
};

// Walks an item list the way the dialog code does: a count of items less one, then items of
// 4 + 8 + 1 + 1 bytes and their data, each padded to an even length.
inline std::vector<DialogItem> WalkItemList(const std::vector<UInt8>& ditl) {
    std::vector<DialogItem> items;
    size_t at = 2;
    for (int i = 0; i <= Big16(ditl, 0); ++i) {
        DialogItem item;
        item.box = RectAt(ditl, at + 4);
        item.kind = ditl.at(at + 12) & 0x7F;
        item.disabled = (ditl.at(at + 12) & 0x80) != 0;
        size_t length = ditl.at(at + 13);
        RequireBytes(ditl, at + 14 + length);
        item.data.assign(ditl.begin() + long(at) + 14, ditl.begin() + long(at + 14 + length));
        items.push_back(item);
        at += 14 + length + (length & 1);
    }
    EXPECT_EQ(at, ditl.size()) << "bytes after the last item";
    return items;
}

} // namespace resourcetest
