// The dictionary object behind CFDictionaryRef: values keyed by the text of string keys.
#pragma once

#include "CoreFoundation/Object.h"

#include <map>
#include <string>

namespace platform::cf {

class Dictionary : public Object {
  public:
    static constexpr CFTypeID kTypeID = kDictionaryTypeID;
    Dictionary() : Object(kTypeID) {}
    ~Dictionary() override;

    // Takes over the caller's reference to value; a value already under the key is released.
    void set(const std::u16string& key, CFTypeRef value);
    CFTypeRef get(const std::u16string& key) const;

  private:
    std::map<std::u16string, CFTypeRef> values_;
};

} // namespace platform::cf
