#include "MorrowCommon_2/MyAlignDialog.h"

#include "Platform/MacMemory.h"
#include "Platform/Quickdraw.h"
#include "Platform/Resources.h"
#include "TemplateFields.h"

namespace {

// Both templates start with the window's bounds: top, left, bottom, right.
constexpr Size kLeftOffset = 2;
constexpr Size kRightOffset = 6;

} // namespace

void MyAlignDialog(ResType type, SInt16 id) {
    if (type != FOUR_CHAR_CODE("ALRT") && type != FOUR_CHAR_CODE("DLOG")) return;
    Handle window = GetResource(type, id);
    if (!window || GetHandleSize(window) < kRightOffset + 2) return;
    const SInt16 left = GetShortFromOddAddressPointer(*window + kLeftOffset);
    const SInt16 width = SInt16(GetShortFromOddAddressPointer(*window + kRightOffset) - left);
    const Rect screen = (*GetMainDevice())->gdRect;
    // Halved rounding down, also for a template wider than the screen.
    const SInt16 centred = SInt16((SInt32(screen.right - screen.left) - width) >> 1);
    if (centred == left) return;
    PutShortToOddAddressPointer(*window + kLeftOffset, centred);
    PutShortToOddAddressPointer(*window + kRightOffset, SInt16(centred + width));
}
