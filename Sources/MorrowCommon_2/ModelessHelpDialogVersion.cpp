// Item 5 of the help window: the version under a double rule, and the default button's ring
// where the Dialog Manager does not draw one.
#include "ModelessHelpDialogPrivate.h"
#include "MorrowCommon_2/AppearanceManagerAvailable.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

#include <initializer_list>

namespace {

constexpr ResType kVersionType = FOUR_CHAR_CODE("vers");
constexpr SInt16 kVersionID = 1;
// The numeric version and the region code come first.
constexpr Size kShortVersionOffset = 6;

constexpr SInt16 kVersionTextSize = 9, kLargerVersionTextSize = 10;
constexpr SInt16 kRuleGap = 2;
constexpr SInt16 kBaselineAboveBottom = 2;
constexpr SInt16 kRingPenSize = 3;
constexpr SInt16 kRingOutset = 4;
constexpr SInt16 kRingCorner = 16;

// The short version string, when the resource holds all of it.
ConstStringPtr ShortVersion(Handle version) {
    const Size size = GetHandleSize(version);
    if (size <= kShortVersionOffset) return nullptr;
    const auto* text = reinterpret_cast<ConstStringPtr>(*version + kShortVersionOffset);
    return kShortVersionOffset + 1 + text[0] <= size ? text : nullptr;
}

// The small size when the port's font has it, else the next one up when that exists.
SInt16 VersionTextSize(CGrafPtr port) {
    const SInt16 font = GetPortTextFont(port);
    if (!RealFont(font, kVersionTextSize) && RealFont(font, kLargerVersionTextSize))
        return kLargerVersionTextSize;
    return kVersionTextSize;
}

void DrawRule(const Rect& title, const Rect& version) {
    for (SInt16 v : {title.bottom, SInt16(title.bottom + kRuleGap)}) {
        MoveTo(title.left, v);
        LineTo(SInt16(version.right - 1), v);
    }
}

void DrawVersionString(CGrafPtr port, const Rect& version) {
    Handle resource = Get1Resource(kVersionType, kVersionID);
    if (!resource) return;
    if (ConstStringPtr text = ShortVersion(resource)) {
        const SInt16 savedTextSize = GetPortTextSize(port);
        TextSize(VersionTextSize(port));
        MoveTo(SInt16(version.right - StringWidth(text)),
               SInt16(version.bottom - kBaselineAboveBottom));
        DrawString(text);
        TextSize(savedTextSize);
    }
    ReleaseResource(resource);
}

void DrawDefaultRing(DialogRef dialog) {
    Rect ring;
    GetDialogItemBox(dialog, kHelpCloseItem, &ring);
    InsetRect(&ring, -kRingOutset, -kRingOutset);
    PenSize(kRingPenSize, kRingPenSize);
    FrameRoundRect(&ring, kRingCorner, kRingCorner);
}

} // namespace

void DrawModelessHelpDialogVersion(DialogRef dialog, DialogItemIndex item) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(dialog));
    PenState savedPen;
    GetPenState(&savedPen);
    PenNormal();
    if (GetModelessHelpDialogRec(dialog)->showVersion) {
        Rect title, version;
        GetDialogItemBox(dialog, kHelpTitleItem, &title);
        GetDialogItemBox(dialog, item, &version);
        DrawRule(title, version);
        DrawVersionString(GetDialogPort(dialog), version);
    }
    if (!DITLExtensionAvailable()) DrawDefaultRing(dialog);
    SetPenState(&savedPen);
}
