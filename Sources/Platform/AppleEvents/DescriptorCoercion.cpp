// A descriptor as another type: the two ways of naming a file turn into each other while the
// file exists; everything else keeps its own type.
#include "AppleEvents/Descriptors.h"

#include "Platform/Files.h"

#include <cstring>

namespace platform::appleevents {

namespace {

template <class Record> bool Read(const std::string& bytes, Record* record) {
    if (bytes.size() != sizeof(Record)) return false;
    std::memcpy(record, bytes.data(), sizeof(Record));
    return true;
}

OSErr SpecFromRef(const std::string& bytes, AEDesc* result) {
    FSRef ref;
    FSSpec spec;
    if (!Read(bytes, &ref) ||
        FSGetCatalogInfo(&ref, kFSCatInfoNone, nullptr, nullptr, &spec, nullptr) != noErr)
        return errAECoercionFail;
    return AECreateDesc(typeFSS, &spec, sizeof spec, result);
}

OSErr RefFromSpec(const std::string& bytes, AEDesc* result) {
    FSSpec spec;
    FSRef ref;
    if (!Read(bytes, &spec) || FSpMakeFSRef(&spec, &ref) != noErr) return errAECoercionFail;
    return AECreateDesc(typeFSRef, &ref, sizeof ref, result);
}

} // namespace

OSErr Coerce(DescType type, const std::string& bytes, DescType desiredType, AEDesc* result) {
    *result = AEDesc{typeNull, nullptr};
    if (desiredType == typeWildCard || desiredType == type)
        return AECreateDesc(type, bytes.data(), Size(bytes.size()), result);
    if (type == typeFSRef && desiredType == typeFSS) return SpecFromRef(bytes, result);
    if (type == typeFSS && desiredType == typeFSRef) return RefFromSpec(bytes, result);
    return errAECoercionFail;
}

} // namespace platform::appleevents
