#include "TextEdit/StyleScrap.h"

#include "Platform/MacMemory.h"
#include "Support/BigEndian.h"

#include <algorithm>

namespace platform::textedit {

namespace {

constexpr Size kCountSize = 2, kElementSize = 20;

// start 0, line height 4, ascent 6, font 8, face 10, filler 11, size 12, colour 14.
StyleRun Element(const UInt8* e) {
    StyleRun run;
    run.start = SInt32(Big32(e));
    run.style.tsFont = SInt16(Big16(e + 8));
    run.style.tsFace = e[10];
    run.style.tsSize = SInt16(Big16(e + 12));
    run.style.tsColor = RGBColor{Big16(e + 14), Big16(e + 16), Big16(e + 18)};
    return run;
}

} // namespace

std::vector<StyleRun> ReadStyleScrap(StScrpHandle scrap) {
    Handle handle = reinterpret_cast<Handle>(scrap);
    if (!handle || !*handle || GetHandleSize(handle) < kCountSize) return {};
    const auto* bytes = reinterpret_cast<const UInt8*>(*handle);
    Size room = (GetHandleSize(handle) - kCountSize) / kElementSize;
    Size count = std::min<Size>(Big16(bytes), room);
    std::vector<StyleRun> runs;
    for (Size i = 0; i < count; ++i) {
        StyleRun run = Element(bytes + kCountSize + ptrdiff_t(i) * kElementSize);
        if (runs.empty() || run.start > runs.back().start) runs.push_back(run);
    }
    return runs;
}

} // namespace platform::textedit
