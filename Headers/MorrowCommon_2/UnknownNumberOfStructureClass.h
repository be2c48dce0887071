// A growable array of fixed-size records, addressed by 1-based position. Records are plain
// bytes, copied in and out; each lies in a slot of structSize rounded up to a multiple of 8.
#pragma once

#include "Platform/MacTypes.h"

class UnknownNumberOfStructureClass {
  public:
    explicit UnknownNumberOfStructureClass(SInt32 structSize);
    ~UnknownNumberOfStructureClass();
    UnknownNumberOfStructureClass(const UnknownNumberOfStructureClass&) = delete;
    UnknownNumberOfStructureClass& operator=(const UnknownNumberOfStructureClass&) = delete;

    // Inserts a copy of the structSize bytes at record so that it becomes the record at 0-based
    // position where, clamped into 0..count. -108 when no room can be made; nothing changes then.
    OSErr AppendNewStructure(const void* record, SInt32 where);
    OSErr AppendNewStructure(const void* record);
    // The address of record n, valid until the next insertion or deletion; null when n is not
    // in 1..count.
    Ptr GetNthStructure(SInt32 n) const;
    // Positions outside 1..count are ignored. The storage never shrinks.
    void DeleteNthStructure(SInt32 n);
    void DeleteAllStructure();

    SInt32 structSize;
    SInt32 slotSize;
    Ptr storage;
    SInt32 count;
    SInt32 capacity;

  private:
    OSErr MakeRoom();
};
