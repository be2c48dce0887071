// Minimum, maximum and clamping of 32-bit integers.
#pragma once

#include "Platform/MacTypes.h"

SInt32 LongMin(SInt32 a, SInt32 b);
SInt32 LongMin(SInt32 a, SInt32 b, SInt32 c);
SInt32 LongMin(SInt32 a, SInt32 b, SInt32 c, SInt32 d);

SInt32 LongMax(SInt32 a, SInt32 b);
SInt32 LongMax(SInt32 a, SInt32 b, SInt32 c);
SInt32 LongMax(SInt32 a, SInt32 b, SInt32 c, SInt32 d);

// value clamped into the closed range between the two bounds, given in either order.
SInt32 RestrictWithinRange(SInt32 value, SInt32 bound1, SInt32 bound2);
