// The appearance calls that frame list boxes and focused items, recorded in the current port.
#include "Platform/Appearance.h"
#include "QuickDraw/Port.h"

#include <algorithm>

using namespace platform::quickdraw;

OSStatus DrawThemeListBoxFrame(const Rect* inRect, ThemeDrawState) {
    Record({DrawOp::Kind::ListBoxFrame, *inRect, {}, normal});
    return noErr;
}

// A ring drawn without focus takes away the ring drawn there before.
OSStatus DrawThemeFocusRect(const Rect* inRect, Boolean inHasFocus) {
    if (inHasFocus) {
        Record({DrawOp::Kind::FocusRing, *inRect, {}, normal});
        return noErr;
    }
    std::erase_if(CurrentPort()->drawn, [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::FocusRing && EqualRect(&op.rect, inRect);
    });
    return noErr;
}
