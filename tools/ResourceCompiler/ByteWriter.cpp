#include "ByteWriter.h"

#include <cassert>
#include <cstring>

namespace rc {

void ByteWriter::big16(std::int64_t value) {
    byte(std::uint8_t(value >> 8));
    byte(std::uint8_t(value));
}

void ByteWriter::big32(std::int64_t value) {
    big16(value >> 16);
    big16(value);
}

void ByteWriter::setBig16(size_t offset, std::int64_t value) {
    bytes_.at(offset) = UInt8(value >> 8);
    bytes_.at(offset + 1) = UInt8(value);
}

void ByteWriter::native16(std::int64_t value) {
    UInt16 word = UInt16(value);
    UInt8 raw[2];
    std::memcpy(raw, &word, sizeof raw);
    bytes_.insert(bytes_.end(), raw, raw + sizeof raw);
}

void ByteWriter::rect(const Rect& r) {
    big16(r.top);
    big16(r.left);
    big16(r.bottom);
    big16(r.right);
}

void ByteWriter::text(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void ByteWriter::pascal(std::string_view text) {
    assert(text.size() <= 255);
    byte(std::uint8_t(text.size()));
    this->text(text);
}

} // namespace rc
