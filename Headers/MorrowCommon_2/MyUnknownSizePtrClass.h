// A zero-filled block that grows at the end by at least growStep bytes at a time; freed at the
// end.
#pragma once

#include "Platform/MacTypes.h"

class MyUnknownSizePtrClass {
  public:
    MyUnknownSizePtrClass() = default;
    ~MyUnknownSizePtrClass();
    MyUnknownSizePtrClass(const MyUnknownSizePtrClass&) = delete;
    MyUnknownSizePtrClass& operator=(const MyUnknownSizePtrClass&) = delete;

    // Makes room for extra more bytes after the size in use and counts them in. On an error
    // nothing changes: a negative extra is -50, no room -108.
    OSErr ExtendTheSize(SInt32 extra);

    Ptr storage = nullptr;
    SInt32 capacity = 0;
    SInt32 size = 0;
    SInt32 growStep = 256;
};
