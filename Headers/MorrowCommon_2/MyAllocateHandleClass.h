// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// A handle that grows to the size asked for and never shrinks; disposed of at the end.
#pragma once

#include "Platform/MacTypes.h"

class MyAllocateHandleClass {
  public:
    MyAllocateHandleClass() = default;
    ~MyAllocateHandleClass();
    MyAllocateHandleClass(const MyAllocateHandleClass&) = delete;
    MyAllocateHandleClass& operator=(const MyAllocateHandleClass&) = delete;

    // Makes the handle hold at least newSize bytes, keeping its contents and its state flags,
    // and records newSize as the size in use. On an error nothing changes: a negative size is
    // -50, no room -108.
    OSErr SetTheSize(SInt32 newSize);

    Handle handle = nullptr;
    SInt32 capacity = 0;
    SInt32 size = 0;

  private:
    OSErr Grow(SInt32 newSize);
};
