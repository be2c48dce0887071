#include "MorrowCommon_2/MyNewPtrClearOrNewPtrSysClear.h"

#include "Platform/MacMemory.h"

Ptr MyNewPtrClearOrNewPtrSysClear(Size size) {
    return NewPtrClear(size);
}
