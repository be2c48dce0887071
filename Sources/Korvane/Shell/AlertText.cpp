#include "Korvane/Shell/AlertText.h"

#include "MorrowCommon_2/ChangeDITLToAppearanceSavvy.h"
#include "MorrowCommon_2/MyByteBuffers.h"
#include "Platform/Dialogs.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

#include <map>

namespace {

constexpr ResType kAlertType = FOUR_CHAR_CODE("ALRT");
constexpr ResType kItemListType = FOUR_CHAR_CODE("DITL");
constexpr Size kAlertItemsOffset = 8; // the item list's ID follows the bounds
constexpr Size kItemHeaderSize = 14;
constexpr Size kItemTypeOffset = 12;
constexpr Size kItemDataLengthOffset = 13;

// Walks no further than the handle holds, whatever the count says.
std::string FirstStaticText(Handle itemList) {
    const Ptr end = *itemList + GetHandleSize(itemList);
    const SInt32 count = SInt32(GetShortFromOddAddressPointer(*itemList)) + 1;
    Ptr item = *itemList + 2;
    for (SInt32 n = 0; n < count && item + kItemHeaderSize <= end;
         ++n, item = GetNextDialogItemPtr(item)) {
        const Ptr text = item + kItemHeaderSize;
        const UInt8 length = UInt8(item[kItemDataLengthOffset]);
        if ((UInt8(item[kItemTypeOffset]) & ~itemDisable) == statText && text + length <= end)
            return std::string(text, length);
    }
    return {};
}

std::string ReadAlertText(short alertID) {
    Handle alert = GetResource(kAlertType, alertID);
    if (!alert || GetHandleSize(alert) < kAlertItemsOffset + 2) return {};
    Handle items =
        GetResource(kItemListType, GetShortFromOddAddressPointer(*alert + kAlertItemsOffset));
    if (!items || GetHandleSize(items) < 2) return {};
    return FirstStaticText(items);
}

} // namespace

const std::string& AlertText(short alertID) {
    static std::map<short, std::string> texts;
    auto found = texts.find(alertID);
    if (found != texts.end()) return found->second;
    return texts[alertID] = ReadAlertText(alertID);
}
