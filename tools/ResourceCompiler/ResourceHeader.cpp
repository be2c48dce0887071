#include "ResourceHeader.h"

#include <algorithm>

namespace rc {

namespace {

const NamedValues kAttributes = {
    {"system-heap", 0x40}, {"purgeable", 0x20}, {"locked", 0x10},
    {"protected", 0x08},   {"preload", 0x04},
};

} // namespace

platform::resources::ResourceEntry ReadResourceHeader(TokenReader& header, ResType type) {
    platform::resources::ResourceEntry entry;
    entry.type = type;
    entry.id = header.id();
    if (!header.atEnd() && header.nextIs(TokenKind::String)) entry.name = header.string(255);
    while (!header.atEnd()) {
        std::string word = header.word("an attribute");
        auto found = std::find_if(kAttributes.begin(), kAttributes.end(),
                                  [&](const auto& a) { return a.first == word; });
        if (found == kAttributes.end())
            header.fail("unknown attribute '" + word +
                        "'; attributes are system-heap, purgeable, locked, protected, preload");
        entry.attributes |= UInt8(found->second);
    }
    return entry;
}

} // namespace rc
