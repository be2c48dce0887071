#include "MorrowCommon_2/AppearanceManagerAvailable.h"

#include "Platform/Gestalt.h"

namespace {

// Both services say they are there in bit 0 of their answer.
Boolean PresentBitSet(OSType selector) {
    SInt32 response = 0;
    return Gestalt(selector, &response) == noErr && (response & 1) != 0;
}

} // namespace

Boolean AppearanceManagerAvailable() {
    return PresentBitSet(gestaltAppearanceAttr);
}

Boolean DITLExtensionAvailable() {
    return PresentBitSet(gestaltDITLExtAttr);
}
