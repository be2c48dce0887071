// The string object behind CFStringRef.
#pragma once

#include "CoreFoundation/Object.h"

#include <optional>
#include <string>

namespace platform::cf {

class String : public Object {
  public:
    static constexpr CFTypeID kTypeID = kStringTypeID;
    explicit String(std::u16string text) : Object(kTypeID), text_(std::move(text)) {}
    const std::u16string& text() const { return text_; }

  private:
    std::u16string text_;
};

// A new string (retain count 1) from UTF-8 bytes; null when they are not valid UTF-8.
CFStringRef NewStringFromUTF8(std::string_view utf8);
// The UTF-8 form of a string; empty when the reference is not a string.
std::optional<std::string> UTF8Of(CFTypeRef string);

} // namespace platform::cf
