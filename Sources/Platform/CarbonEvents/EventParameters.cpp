#include "CarbonEvents/Event.h"

#include <algorithm>
#include <cstring>

void OpaqueEventRef::SetParameter(EventParamName name, EventParamType type, const void* data,
                                  size_t size) {
    const auto* bytes = static_cast<const UInt8*>(data);
    parameters[name] = Parameter{type, std::vector<UInt8>(bytes, bytes + size)};
}

UInt32 GetEventClass(EventRef inEvent) {
    return inEvent ? inEvent->eventClass : 0;
}

UInt32 GetEventKind(EventRef inEvent) {
    return inEvent ? inEvent->eventKind : 0;
}

// No coercion between types: a parameter is read as the type it was given.
OSStatus GetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inDesiredType,
                           EventParamType* outActualType, ByteCount inBufferSize,
                           ByteCount* outActualSize, void* outData) {
    if (!inEvent) return paramErr;
    auto found = inEvent->parameters.find(inName);
    if (found == inEvent->parameters.end() || found->second.type != inDesiredType)
        return eventParameterNotFoundErr;
    const std::vector<UInt8>& bytes = found->second.bytes;
    if (outActualType) *outActualType = found->second.type;
    if (outActualSize) *outActualSize = ByteCount(bytes.size());
    if (outData) std::memcpy(outData, bytes.data(), std::min<size_t>(inBufferSize, bytes.size()));
    return noErr;
}
