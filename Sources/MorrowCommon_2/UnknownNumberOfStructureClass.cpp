#include "MorrowCommon_2/UnknownNumberOfStructureClass.h"

#include "MorrowCommon_2/LongMinMax.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

namespace {

constexpr SInt32 kSlotAlignment = 8;
constexpr SInt32 kGrowSlots = 16;

} // namespace

UnknownNumberOfStructureClass::UnknownNumberOfStructureClass(SInt32 size)
    : structSize(size), slotSize((size + kSlotAlignment - 1) / kSlotAlignment * kSlotAlignment),
      storage(nullptr), count(0), capacity(0) {}

UnknownNumberOfStructureClass::~UnknownNumberOfStructureClass() {
    if (storage) DisposePtr(storage);
}

OSErr UnknownNumberOfStructureClass::MakeRoom() {
    if (capacity > count) return noErr;
    const Ptr grown = NewPtrClear((capacity + kGrowSlots) * slotSize);
    if (!grown) return memFullErr;
    if (storage) {
        BlockMoveData(storage, grown, capacity * slotSize);
        DisposePtr(storage);
    }
    storage = grown;
    capacity += kGrowSlots;
    return noErr;
}

OSErr UnknownNumberOfStructureClass::AppendNewStructure(const void* record, SInt32 where) {
    const OSErr err = MakeRoom();
    if (err != noErr) return err;
    where = RestrictWithinRange(where, 0, count);
    const Ptr slot = storage + ptrdiff_t(where) * slotSize;
    BlockMoveData(slot, slot + slotSize, (count - where) * slotSize);
    BlockMoveData(record, slot, structSize);
    ++count;
    return noErr;
}

OSErr UnknownNumberOfStructureClass::AppendNewStructure(const void* record) {
    return AppendNewStructure(record, count);
}

Ptr UnknownNumberOfStructureClass::GetNthStructure(SInt32 n) const {
    if (n < 1 || n > count) return nullptr;
    return storage + ptrdiff_t(n - 1) * slotSize;
}

void UnknownNumberOfStructureClass::DeleteNthStructure(SInt32 n) {
    const Ptr slot = GetNthStructure(n);
    if (!slot) return;
    BlockMoveData(slot + slotSize, slot, (count - n) * slotSize);
    --count;
}

void UnknownNumberOfStructureClass::DeleteAllStructure() {
    count = 0;
}
