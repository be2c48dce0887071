#include "MorrowCommon_2/LongMinMax.h"

SInt32 LongMin(SInt32 a, SInt32 b) {
    return a < b ? a : b;
}
SInt32 LongMin(SInt32 a, SInt32 b, SInt32 c) {
    return LongMin(LongMin(a, b), c);
}
SInt32 LongMin(SInt32 a, SInt32 b, SInt32 c, SInt32 d) {
    return LongMin(LongMin(a, b, c), d);
}

SInt32 LongMax(SInt32 a, SInt32 b) {
    return a > b ? a : b;
}
SInt32 LongMax(SInt32 a, SInt32 b, SInt32 c) {
    return LongMax(LongMax(a, b), c);
}
SInt32 LongMax(SInt32 a, SInt32 b, SInt32 c, SInt32 d) {
    return LongMax(LongMax(a, b, c), d);
}

SInt32 RestrictWithinRange(SInt32 value, SInt32 bound1, SInt32 bound2) {
    return LongMax(LongMin(bound1, bound2), LongMin(value, LongMax(bound1, bound2)));
}
