#include "CoreFoundation/Dictionary.h"

#include "CoreFoundation/String.h"

namespace platform::cf {

Dictionary::~Dictionary() {
    for (auto& [key, value] : values_)
        CFRelease(value);
}

void Dictionary::set(const std::u16string& key, CFTypeRef value) {
    CFTypeRef& slot = values_[key];
    CFRelease(slot);
    slot = value;
}

CFTypeRef Dictionary::get(const std::u16string& key) const {
    auto found = values_.find(key);
    return found == values_.end() ? nullptr : found->second;
}

} // namespace platform::cf

using namespace platform::cf;

const void* CFDictionaryGetValue(CFDictionaryRef dictionary, const void* key) {
    const Dictionary* object = As<Dictionary>(dictionary);
    const String* name = As<String>(key);
    return object && name ? object->get(name->text()) : nullptr;
}
