#include "Controls/Control.h"

#include <algorithm>

namespace platform::controls {

std::string FromPascal(ConstStr255Param text) {
    return text ? std::string(reinterpret_cast<const char*>(text + 1), text[0]) : std::string();
}

void ToPascal(std::string_view text, Str255 pascal) {
    size_t length = std::min<size_t>(text.size(), 255);
    pascal[0] = UInt8(length);
    text.copy(reinterpret_cast<char*>(pascal + 1), length);
}

} // namespace platform::controls
