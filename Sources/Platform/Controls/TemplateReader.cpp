#include "Controls/TemplateReader.h"

#include "Platform/MacMemory.h"
#include "Support/BigEndian.h"

namespace platform::controls {

TemplateReader::TemplateReader(Handle resource) {
    if (!resource || !*resource) {
        ok_ = false;
        return;
    }
    data_ = reinterpret_cast<const UInt8*>(*resource);
    size_ = size_t(GetHandleSize(resource));
}

const UInt8* TemplateReader::Take(size_t count) {
    if (!ok_ || count > size_ - offset_) {
        ok_ = false;
        return nullptr;
    }
    const UInt8* at = data_ + offset_;
    offset_ += count;
    return at;
}

UInt8 TemplateReader::Byte() {
    const UInt8* at = Take(1);
    return at ? at[0] : 0;
}

SInt16 TemplateReader::Int16() {
    const UInt8* at = Take(2);
    return at ? SInt16(Big16(at)) : 0;
}

SInt32 TemplateReader::Int32() {
    const UInt8* at = Take(4);
    return at ? SInt32(Big32(at)) : 0;
}

Rect TemplateReader::ReadRect() {
    Rect r;
    r.top = Int16();
    r.left = Int16();
    r.bottom = Int16();
    r.right = Int16();
    return r;
}

std::string TemplateReader::Pascal() {
    return Bytes(Byte());
}

std::string TemplateReader::Bytes(size_t count) {
    const UInt8* at = Take(count);
    return at ? std::string(reinterpret_cast<const char*>(at), count) : std::string();
}

void TemplateReader::Skip(size_t count) {
    Take(count);
}

} // namespace platform::controls
