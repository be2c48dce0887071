// Descriptors: a type and a Memory Manager handle holding a copy of the data.
#include "AppleEvents/Descriptors.h"

#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <algorithm>
#include <cstring>

namespace {

Handle DataOf(const AEDesc* desc) {
    return reinterpret_cast<Handle>(desc->dataHandle);
}

} // namespace

namespace platform::appleevents {

std::string BytesOf(const AEDesc* desc) {
    Handle data = DataOf(desc);
    return data ? std::string(*data, size_t(GetHandleSize(data))) : std::string();
}

} // namespace platform::appleevents

OSErr AECreateDesc(DescType typeCode, const void* dataPtr, Size dataSize, AEDesc* result) {
    if (!result) return paramErr;
    *result = AEDesc{typeNull, nullptr};
    if (dataSize < 0 || (dataSize > 0 && !dataPtr)) return paramErr;
    Handle data = NewHandle(dataSize);
    if (!data) return memFullErr;
    if (dataSize > 0) std::memcpy(*data, dataPtr, size_t(dataSize));
    *result = AEDesc{typeCode, reinterpret_cast<AEDataStorage>(data)};
    return noErr;
}

OSErr AEDisposeDesc(AEDesc* theAEDesc) {
    if (!theAEDesc) return paramErr;
    DisposeHandle(DataOf(theAEDesc));
    *theAEDesc = AEDesc{typeNull, nullptr};
    return noErr;
}

Size AEGetDescDataSize(const AEDesc* theAEDesc) {
    return theAEDesc && DataOf(theAEDesc) ? GetHandleSize(DataOf(theAEDesc)) : 0;
}

OSErr AEGetDescData(const AEDesc* theAEDesc, void* dataPtr, Size maximumSize) {
    if (!theAEDesc || !dataPtr || maximumSize < 0) return paramErr;
    Size size = std::min(AEGetDescDataSize(theAEDesc), maximumSize);
    if (size > 0) std::memcpy(dataPtr, *DataOf(theAEDesc), size_t(size));
    return noErr;
}
