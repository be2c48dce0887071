#include "CoreFoundation/PropertyList.h"

#include "CoreFoundation/Dictionary.h"
#include "CoreFoundation/String.h"
#include "CoreFoundation/TextCodec.h"

#include <cstring>
#include <pugixml.hpp>

namespace platform::cf {

namespace {

// Deeper nesting than any real bundle uses is skipped rather than followed.
constexpr int kMaximumDepth = 32;

std::string TextOf(const pugi::xml_node& element) {
    std::string text;
    for (const pugi::xml_node& child : element.children())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
    return text;
}

Dictionary* ParseDictionary(const pugi::xml_node& element, int depth);

CFTypeRef ParseValue(const pugi::xml_node& element, int depth) {
    if (std::strcmp(element.name(), "string") == 0) return NewStringFromUTF8(TextOf(element));
    if (std::strcmp(element.name(), "dict") == 0 && depth < kMaximumDepth)
        return ToRef<CFDictionaryRef>(ParseDictionary(element, depth + 1));
    return nullptr;
}

pugi::xml_node NextElement(pugi::xml_node node) {
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();
    return node;
}

bool IsKey(const pugi::xml_node& node) {
    return std::strcmp(node.name(), "key") == 0;
}

void AddEntry(Dictionary& dictionary, const pugi::xml_node& key, const pugi::xml_node& value,
              int depth) {
    auto name = DecodeText(TextOf(key), kCFStringEncodingUTF8);
    CFTypeRef object = ParseValue(value, depth);
    if (name && object)
        dictionary.set(*name, object);
    else
        CFRelease(object);
}

// Children come in pairs: a <key> element and the element of its value. A stray element is
// passed over so that one fault does not shift every later pair.
Dictionary* ParseDictionary(const pugi::xml_node& element, int depth) {
    auto* dictionary = new Dictionary;
    pugi::xml_node node = NextElement(element.first_child());
    while (node) {
        pugi::xml_node value = NextElement(node.next_sibling());
        if (!IsKey(node) || !value || IsKey(value)) {
            node = value;
            continue;
        }
        AddEntry(*dictionary, node, value, depth);
        node = NextElement(value.next_sibling());
    }
    return dictionary;
}

} // namespace

CFDictionaryRef ReadPropertyListDictionary(const std::filesystem::path& file) {
    pugi::xml_document document;
    pugi::xml_node root;
    if (document.load_file(file.c_str())) root = NextElement(document.child("plist").first_child());
    if (root && std::strcmp(root.name(), "dict") == 0)
        return ToRef<CFDictionaryRef>(ParseDictionary(root, 0));
    return ToRef<CFDictionaryRef>(new Dictionary);
}

} // namespace platform::cf
