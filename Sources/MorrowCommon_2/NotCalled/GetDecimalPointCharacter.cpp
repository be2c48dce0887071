#include "MorrowCommon_2/MyDigitNums.h"

#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "Platform/Script.h"

UInt8 GetDecimalPointCharacter() {
    const SInt16 formatID = SInt16(GetScriptVariable(smSystemScript, smScriptNumber));
    // Loaded resources stay with the Resource Manager, which hands out the same handle again.
    Handle format = GetResource(FOUR_CHAR_CODE("itl0"), formatID);
    if (format == nullptr || *format == nullptr || GetHandleSize(format) < 1) return '.';
    return UInt8((*format)[0]); // the decimal-point field comes first
}
