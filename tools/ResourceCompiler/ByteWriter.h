// Builds resource data: big-endian numbers unless a field is stored in the machine's order.
#pragma once

#include "Platform/MacTypes.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace rc {

class ByteWriter {
  public:
    void byte(std::uint8_t value) { bytes_.push_back(value); }
    void big16(std::int64_t value);
    void big32(std::int64_t value);
    void native16(std::int64_t value);
    // Fills in a count written before the items it counts.
    void setBig16(size_t offset, std::int64_t value);
    void rect(const Rect& r);
    void text(std::string_view text);
    // A length byte and the text; the caller has checked that it fits in 255 bytes.
    void pascal(std::string_view text);
    void zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void alignEven() {
        if (bytes_.size() % 2) byte(0);
    }

    size_t size() const { return bytes_.size(); }
    std::vector<UInt8> take() { return std::move(bytes_); }

  private:
    std::vector<UInt8> bytes_;
};

} // namespace rc
