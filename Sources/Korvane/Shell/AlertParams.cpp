#include "Korvane/Shell/AlertParams.h"

#include "Platform/Dialogs.h"

#include <cstring>

namespace {

constexpr size_t kParamBytes = 255;
const std::string kEllipsis = "\xE2\x80\xA6";

void SetParam(std::string text, Str255 param) {
    if (text.size() > kParamBytes) {
        size_t cut = kParamBytes - kEllipsis.size();
        while (cut > 0 && (UInt8(text[cut]) & 0xC0) == 0x80)
            --cut;
        text = text.substr(0, cut) + kEllipsis;
    }
    param[0] = UInt8(text.size());
    std::memcpy(param + 1, text.data(), text.size());
}

} // namespace

AlertParamsClass::AlertParamsClass(std::initializer_list<std::string> texts) {
    Str255 params[4] = {{0}, {0}, {0}, {0}};
    size_t i = 0;
    for (const std::string& text : texts)
        if (i < 4) SetParam(text, params[i++]);
    ParamText(params[0], params[1], params[2], params[3]);
}

AlertParamsClass::~AlertParamsClass() {
    const unsigned char empty[1] = {0};
    ParamText(empty, empty, empty, empty);
}
