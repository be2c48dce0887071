// What the descriptor calls share: a descriptor's bytes, and turning one kind of file
// descriptor into the other.
#pragma once

#include "Platform/AppleEvents.h"

#include <string>

namespace platform::appleevents {

std::string BytesOf(const AEDesc* desc);

// A new descriptor of desiredType made from the bytes of a descriptor of type; on failure
// *result is a null descriptor.
OSErr Coerce(DescType type, const std::string& bytes, DescType desiredType, AEDesc* result);

} // namespace platform::appleevents
