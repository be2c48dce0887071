// Lists of descriptors: the list's data holds its items one after another, each as its type,
// its size and its bytes, in the machine's byte order.
#include "AppleEvents/Descriptors.h"

#include "Platform/MacErrors.h"

#include <cstring>
#include <vector>

using platform::appleevents::BytesOf;

namespace {

struct Item {
    DescType type;
    std::string bytes;
};

std::vector<Item> ReadItems(const AEDescList* list) {
    std::string data = BytesOf(list);
    std::vector<Item> items;
    size_t at = 0;
    while (at + 8 <= data.size()) {
        Item item{};
        UInt32 size = 0;
        std::memcpy(&item.type, data.data() + at, 4);
        std::memcpy(&size, data.data() + at + 4, 4);
        item.bytes = data.substr(at + 8, size);
        at += 8 + size;
        items.push_back(std::move(item));
    }
    return items;
}

OSErr WriteItems(AEDescList* list, const std::vector<Item>& items) {
    std::string data;
    for (const Item& item : items) {
        auto size = UInt32(item.bytes.size());
        data.append(reinterpret_cast<const char*>(&item.type), 4);
        data.append(reinterpret_cast<const char*>(&size), 4);
        data += item.bytes;
    }
    AEDesc written;
    OSErr err = AECreateDesc(typeAEList, data.data(), Size(data.size()), &written);
    if (err != noErr) return err;
    AEDisposeDesc(list);
    *list = written;
    return noErr;
}

OSErr CheckList(const AEDescList* list) {
    if (!list) return paramErr;
    return list->descriptorType == typeAEList ? noErr : errAEWrongDataType;
}

} // namespace

OSErr AECreateList(const void*, Size factoredSize, Boolean isRecord, AEDescList* resultList) {
    if (!resultList) return paramErr;
    *resultList = AEDesc{typeNull, nullptr};
    if (isRecord || factoredSize != 0) return paramErr;
    return AECreateDesc(typeAEList, nullptr, 0, resultList);
}

OSErr AEPutDesc(AEDescList* theAEDescList, SInt32 index, const AEDesc* theAEDesc) {
    OSErr err = theAEDesc ? CheckList(theAEDescList) : paramErr;
    if (err != noErr) return err;
    std::vector<Item> items = ReadItems(theAEDescList);
    Item added{theAEDesc->descriptorType, BytesOf(theAEDesc)};
    if (index == 0 || size_t(index) == items.size() + 1)
        items.push_back(std::move(added));
    else if (index >= 1 && size_t(index) <= items.size())
        items[size_t(index - 1)] = std::move(added);
    else
        return errAEIllegalIndex;
    return WriteItems(theAEDescList, items);
}

OSErr AEGetNthDesc(const AEDescList* theAEDescList, SInt32 index, DescType desiredType,
                   AEKeyword* theAEKeyword, AEDesc* result) {
    if (!result) return paramErr;
    *result = AEDesc{typeNull, nullptr};
    OSErr err = CheckList(theAEDescList);
    if (err != noErr) return err;
    std::vector<Item> items = ReadItems(theAEDescList);
    if (index < 1 || size_t(index) > items.size()) return errAEIllegalIndex;
    if (theAEKeyword) *theAEKeyword = typeWildCard;
    const Item& item = items[size_t(index - 1)];
    return platform::appleevents::Coerce(item.type, item.bytes, desiredType, result);
}
