// Reads the fields of a template resource ('CNTL', 'DLOG', 'ALRT', 'DITL') where they lie,
// big-endian, and never past the resource's end: a short resource leaves the reader failed.
#pragma once

#include "Platform/MacTypes.h"

#include <string>

namespace platform::controls {

class TemplateReader {
  public:
    explicit TemplateReader(Handle resource);

    // False once a read ran past the end; every later read gives zero.
    bool Ok() const { return ok_; }
    bool AtEnd() const { return offset_ >= size_; }

    UInt8 Byte();
    SInt16 Int16();
    SInt32 Int32();
    Rect ReadRect();
    // A length byte and that many bytes.
    std::string Pascal();
    // Bytes as they lie, raw.
    std::string Bytes(size_t count);
    void Skip(size_t count);
    void AlignEven() { offset_ += offset_ & 1; }

  private:
    const UInt8* Take(size_t count);

    const UInt8* data_ = nullptr;
    size_t size_ = 0;
    size_t offset_ = 0;
    bool ok_ = true;
};

} // namespace platform::controls
