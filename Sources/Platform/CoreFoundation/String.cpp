#include "CoreFoundation/String.h"

#include "CoreFoundation/TextCodec.h"
#include "Support/PascalText.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace platform::cf {

namespace {

CFStringRef NewString(std::string_view bytes, CFStringEncoding encoding) {
    auto text = DecodeText(bytes, encoding);
    return text ? ToRef<CFStringRef>(new String(std::move(*text))) : nullptr;
}

// The encoded text when it converts and holds at most capacity bytes.
std::optional<std::string> EncodedWithin(CFStringRef string, CFIndex capacity,
                                         CFStringEncoding encoding) {
    const String* object = As<String>(string);
    if (!object) return std::nullopt;
    auto bytes = EncodeText(object->text(), encoding);
    if (!bytes || CFIndex(bytes->size()) > capacity) return std::nullopt;
    return bytes;
}

} // namespace

CFStringRef NewStringFromUTF8(std::string_view utf8) {
    return NewString(utf8, kCFStringEncodingUTF8);
}

std::optional<std::string> UTF8Of(CFTypeRef string) {
    const String* object = As<String>(string);
    if (!object) return std::nullopt;
    return EncodeText(object->text(), kCFStringEncodingUTF8);
}

} // namespace platform::cf

using namespace platform::cf;

CFTypeID CFStringGetTypeID() {
    return String::kTypeID;
}

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char* cStr, CFStringEncoding encoding) {
    return cStr ? NewString(cStr, encoding) : nullptr;
}

CFStringRef CFStringCreateWithPascalString(CFAllocatorRef, ConstStr255Param pStr,
                                           CFStringEncoding encoding) {
    if (!pStr) return nullptr;
    return NewString(std::string_view(reinterpret_cast<const char*>(pStr + 1), pStr[0]), encoding);
}

CFIndex CFStringGetLength(CFStringRef string) {
    const String* object = As<String>(string);
    return object ? CFIndex(object->text().size()) : 0;
}

void CFStringGetCharacters(CFStringRef string, CFRange range, UniChar* buffer) {
    const String* object = As<String>(string);
    if (!object || !buffer || range.location < 0 || range.length < 0 ||
        range.location + range.length > CFIndex(object->text().size()))
        return;
    std::copy_n(object->text().begin() + range.location, range.length, buffer);
}

Boolean CFStringGetCString(CFStringRef string, char* buffer, CFIndex bufferSize,
                           CFStringEncoding encoding) {
    if (!buffer || bufferSize < 1) return false;
    auto bytes = EncodedWithin(string, bufferSize - 1, encoding);
    if (!bytes) return false;
    std::memcpy(buffer, bytes->c_str(), bytes->size() + 1);
    return true;
}

Boolean CFStringGetPascalString(CFStringRef string, StringPtr buffer, CFIndex bufferSize,
                                CFStringEncoding encoding) {
    if (!buffer || bufferSize < 1) return false;
    auto bytes = EncodedWithin(string, std::min<CFIndex>(bufferSize - 1, 255), encoding);
    if (!bytes) return false;
    platform::ToPascal(*bytes, buffer);
    return true;
}

CFStringEncoding CFStringGetSystemEncoding() {
    return kCFStringEncodingUTF8;
}

CFStringRef CFStringMakeConstant(const char* utf8) {
    // Never destroyed, so the constants stay reachable until the process ends.
    static auto* constants = new std::unordered_map<std::string, CFStringRef>;
    static std::mutex lock;
    std::lock_guard<std::mutex> guard(lock);
    auto [entry, inserted] = constants->try_emplace(utf8, nullptr);
    if (inserted) {
        LastingScope lasting;
        if (auto text = DecodeText(utf8, kCFStringEncodingUTF8)) {
            auto* constant = new String(std::move(*text));
            constant->makeImmortal();
            entry->second = ToRef<CFStringRef>(constant);
        }
    }
    return entry->second;
}
