#include "MorrowCommon_2/ChangeDITLToAppearanceSavvy.h"

#include "MorrowCommon_2/AppearanceManagerAvailable.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "TemplateFields.h"

namespace {

constexpr ResType kItemListType = FOUR_CHAR_CODE("DITL");
constexpr ResType kControlTemplateType = FOUR_CHAR_CODE("CNTL");

constexpr Size kItemHeaderSize = 14;
constexpr Size kItemTypeOffset = 12;
constexpr Size kItemDataLengthOffset = 13;
constexpr UInt8 kItemKindMask = 0x7F;
constexpr UInt8 kResourceControlKind = ctrlItem + resCtrl;

// Bounds, value, visibility, maximum and minimum come first, 16 bytes.
constexpr Size kProcIDOffset = 16;

constexpr SInt16 kClassicPopupDef = popupMenuProc / 16;
constexpr SInt16 kAppearancePopupDef = kControlPopupButtonProc / 16;
constexpr SInt16 kOldPopupDef = 1000;

// The popup kind the system calls for, keeping the variation.
SInt16 PopupProcID(SInt16 procID, Boolean appearance) {
    const SInt16 variation = procID & 0x0F;
    const SInt16 current = appearance ? kControlPopupButtonProc : popupMenuProc;
    switch (procID / 16) {
    case kClassicPopupDef:
    case kAppearancePopupDef:
    case kOldPopupDef:
        return SInt16(current + variation);
    default:
        return procID;
    }
}

// Scroll bars with a variation are left as they are.
SInt16 ScrollBarProcID(SInt16 procID, Boolean appearance) {
    switch (procID) {
    case scrollBarProc:
    case kControlScrollBarProc:
    case kControlScrollBarLiveProc:
        return appearance ? kControlScrollBarLiveProc : scrollBarProc;
    default:
        return procID;
    }
}

void ConvertControlTemplate(SInt16 controlID, Boolean appearance) {
    Handle control = GetResource(kControlTemplateType, controlID);
    if (!control || GetHandleSize(control) < kProcIDOffset + 2) return;
    const SInt16 procID = GetShortFromOddAddressPointer(*control + kProcIDOffset);
    const SInt16 converted = ScrollBarProcID(PopupProcID(procID, appearance), appearance);
    if (converted == procID) return;
    PutShortToOddAddressPointer(*control + kProcIDOffset, converted);
    ChangedResource(control);
    WriteResource(control);
}

// Walks no further than the handle holds, whatever the count says.
void ConvertItemList(Handle itemList, Boolean appearance) {
    const Ptr end = *itemList + GetHandleSize(itemList);
    const SInt32 count = SInt32(GetShortFromOddAddressPointer(*itemList)) + 1;
    Ptr item = *itemList + 2;
    for (SInt32 n = 0; n < count && item + kItemHeaderSize <= end;
         ++n, item = GetNextDialogItemPtr(item)) {
        const UInt8 kind = UInt8(item[kItemTypeOffset]) & kItemKindMask;
        const UInt8 dataLength = UInt8(item[kItemDataLengthOffset]);
        if (kind == kResourceControlKind && dataLength >= 2 && item + kItemHeaderSize + 2 <= end)
            ConvertControlTemplate(GetShortFromOddAddressPointer(item + kItemHeaderSize),
                                   appearance);
    }
}

} // namespace

Ptr GetNextDialogItemPtr(Ptr item) {
    const Size dataLength = UInt8(item[kItemDataLengthOffset]);
    return item + kItemHeaderSize + dataLength + (dataLength & 1);
}

void ChangeDITLToAppearanceSavvy(SInt16 ditlID) {
    Handle itemList = GetResource(kItemListType, ditlID);
    if (!itemList || GetHandleSize(itemList) < 2) return;
    const Boolean appearance = AppearanceManagerAvailable();
    const SInt8 state = HGetState(itemList);
    HLock(itemList);
    ConvertItemList(itemList, appearance);
    HSetState(itemList, state);
}

DialogRef MyAppearanceSavvyGetNewDialog(SInt16 dialogID, void* storage, WindowRef behind) {
    ChangeDITLToAppearanceSavvy(dialogID);
    return GetNewDialog(dialogID, storage, behind);
}
