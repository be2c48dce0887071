// A zero-filled nonrelocatable block.
#pragma once

#include "Platform/MacTypes.h"

Ptr MyNewPtrClearOrNewPtrSysClear(Size size);
