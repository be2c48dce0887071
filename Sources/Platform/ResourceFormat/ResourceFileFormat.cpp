#include "Platform/ResourceFileFormat.h"

#include "Platform/MacErrors.h"

#include <set>

namespace platform::resources {

namespace {

constexpr UInt32 kHeaderSize = 16;
// The header is followed by bytes reserved for the system and the application.
constexpr UInt32 kDataStart = 256;
constexpr UInt32 kMapHeaderSize = 28;
constexpr UInt32 kTypeEntrySize = 8;
constexpr UInt32 kReferenceSize = 12;
constexpr UInt32 kMaxDataOffset = 0xFFFFFF;
constexpr UInt32 kMaxMapOffset = 0xFFFF;
constexpr UInt16 kNoName = 0xFFFF;

// A bounds-checked big-endian view of part of the file. A read out of range yields zeros and
// marks the view failed, so a parser can read a whole record and check once.
class Reader {
  public:
    Reader(const UInt8* base, UInt64 size) : base_(base), size_(size) {}

    UInt32 Get(UInt64 offset, int width) {
        if (!Has(offset, UInt64(width))) return 0;
        UInt32 value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | base_[offset + i];
        return value;
    }

    std::vector<UInt8> Bytes(UInt64 offset, UInt64 count) {
        if (!Has(offset, count)) return {};
        return {base_ + offset, base_ + offset + count};
    }

    Reader Sub(UInt64 offset, UInt64 count) {
        if (!Has(offset, count)) return {base_, 0};
        return {base_ + offset, count};
    }

    // The part from offset to the end.
    Reader Rest(UInt64 offset) { return Sub(offset, offset <= size_ ? size_ - offset : 0); }

    bool Ok() const { return ok_; }

  private:
    bool Has(UInt64 offset, UInt64 count) {
        ok_ = ok_ && offset <= size_ && count <= size_ - offset;
        return ok_;
    }

    const UInt8* base_;
    UInt64 size_;
    bool ok_ = true;
};

// The parts of a file that references point into, and what they may claim in total: in a sound
// file references and data entries do not overlap, so a file whose references claim more than
// it holds is damaged (and could otherwise make a small file expand without bound).
struct ParseContext {
    Reader data;
    Reader names;
    UInt64 referencesLeft;
    UInt64 dataBytesLeft;
};

bool ParseName(ParseContext& file, UInt16 nameOffset, std::optional<std::string>* name) {
    if (nameOffset == kNoName) return true;
    UInt32 length = file.names.Get(nameOffset, 1);
    std::vector<UInt8> bytes = file.names.Bytes(nameOffset + 1, length);
    *name = std::string(bytes.begin(), bytes.end());
    return file.names.Ok();
}

bool ParseData(ParseContext& file, UInt32 dataOffset, std::vector<UInt8>* data) {
    UInt64 length = file.data.Get(dataOffset, 4);
    if (!file.data.Ok() || length + 4 > file.dataBytesLeft) return false;
    file.dataBytesLeft -= length + 4;
    *data = file.data.Bytes(dataOffset + 4, length);
    return file.data.Ok();
}

bool ParseReference(ParseContext& file, Reader& reference, ResType type, ResourceEntry* entry) {
    entry->type = type;
    entry->id = SInt16(reference.Get(0, 2));
    UInt16 nameOffset = UInt16(reference.Get(2, 2));
    UInt32 attributesAndOffset = reference.Get(4, 4);
    entry->attributes = UInt8(attributesAndOffset >> 24);
    return reference.Ok() && ParseName(file, nameOffset, &entry->name) &&
           ParseData(file, attributesAndOffset & kMaxDataOffset, &entry->data);
}

// A type listed twice would be merged on rewriting, reordering its resources, so it counts as
// damage.
bool ParseType(ParseContext& file, Reader& typeList, UInt32 index, std::set<ResType>& seen,
               ResourceFileImage* image) {
    UInt64 at = 2 + UInt64(index) * kTypeEntrySize;
    ResType type = typeList.Get(at, 4);
    UInt64 count = UInt64(typeList.Get(at + 4, 2)) + 1;
    UInt64 referenceList = typeList.Get(at + 6, 2);
    if (!typeList.Ok() || count > file.referencesLeft || !seen.insert(type).second) return false;
    file.referencesLeft -= count;
    for (UInt64 i = 0; i < count; ++i) {
        Reader reference = typeList.Sub(referenceList + i * kReferenceSize, kReferenceSize);
        ResourceEntry entry;
        if (!typeList.Ok() || !ParseReference(file, reference, type, &entry)) return false;
        image->entries.push_back(std::move(entry));
    }
    return true;
}

bool ParseMap(ParseContext& file, Reader& map, ResourceFileImage* image) {
    image->fileAttributes = UInt16(map.Get(22, 2));
    Reader typeList = map.Rest(map.Get(24, 2));
    file.names = map.Rest(map.Get(26, 2));
    UInt32 typeCount = (typeList.Get(0, 2) + 1) & 0xFFFF;
    if (!map.Ok() || !typeList.Ok()) return false;
    std::set<ResType> seen;
    for (UInt32 i = 0; i < typeCount; ++i)
        if (!ParseType(file, typeList, i, seen, image)) return false;
    return true;
}

void PutBigEndian(std::vector<UInt8>& out, UInt32 value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(UInt8(value >> shift));
}

void PatchBigEndian(std::vector<UInt8>& out, size_t at, UInt32 value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = UInt8(value >> (24 - 8 * i));
}

// The entries of each type in image order, the types in the order they first appear.
std::vector<std::vector<const ResourceEntry*>> GroupByType(const ResourceFileImage& image) {
    std::vector<std::vector<const ResourceEntry*>> groups;
    for (const ResourceEntry& entry : image.entries) {
        auto group = groups.begin();
        while (group != groups.end() && group->front()->type != entry.type)
            ++group;
        if (group == groups.end()) group = groups.emplace(groups.end());
        group->push_back(&entry);
    }
    return groups;
}

// Builds the data area, the reference lists and the name list together, since references
// hold offsets into the other two. Fails when an offset exceeds its field.
class MapWriter {
  public:
    explicit MapWriter(size_t typeCount) : referencesStart_(2 + typeCount * kTypeEntrySize) {}

    bool AddType(const std::vector<const ResourceEntry*>& group) {
        UInt32 referenceOffset = UInt32(referencesStart_ + references_.size());
        if (referenceOffset > kMaxMapOffset || group.size() > 0x10000) return false;
        PutBigEndian(types_, group.front()->type, 4);
        PutBigEndian(types_, UInt32(group.size() - 1), 2);
        PutBigEndian(types_, referenceOffset, 2);
        for (const ResourceEntry* entry : group)
            if (!AddReference(*entry)) return false;
        return true;
    }

    bool Finish(UInt16 fileAttributes, std::vector<UInt8>* file) {
        UInt32 typeCount = UInt32(types_.size() / kTypeEntrySize);
        UInt64 nameListOffset = kMapHeaderSize + referencesStart_ + references_.size();
        UInt64 fileLength = kDataStart + data_.size() + nameListOffset + names_.size();
        if (nameListOffset > kMaxMapOffset || fileLength > 0xFFFFFFFF) return false;
        UInt32 mapOffset = UInt32(kDataStart + data_.size());
        UInt32 mapLength = UInt32(nameListOffset + names_.size());
        std::vector<UInt8>& out = *file;
        out.assign(kDataStart, 0);
        out.insert(out.end(), data_.begin(), data_.end());
        out.resize(out.size() + kHeaderSize + 4 + 2); // header copy, next map, file reference
        PutBigEndian(out, fileAttributes, 2);
        PutBigEndian(out, kMapHeaderSize, 2);
        PutBigEndian(out, UInt32(nameListOffset), 2);
        PutBigEndian(out, (typeCount - 1) & 0xFFFF, 2);
        out.insert(out.end(), types_.begin(), types_.end());
        out.insert(out.end(), references_.begin(), references_.end());
        out.insert(out.end(), names_.begin(), names_.end());
        for (size_t header : {size_t(0), size_t(mapOffset)}) {
            PatchBigEndian(out, header, kDataStart);
            PatchBigEndian(out, header + 4, mapOffset);
            PatchBigEndian(out, header + 8, UInt32(data_.size()));
            PatchBigEndian(out, header + 12, mapLength);
        }
        return true;
    }

  private:
    bool AddReference(const ResourceEntry& entry) {
        UInt32 nameOffset = entry.name ? UInt32(names_.size()) : kNoName;
        if (data_.size() > kMaxDataOffset) return false;
        if (entry.name && (nameOffset >= kNoName || entry.name->size() > 255)) return false;
        PutBigEndian(references_, UInt16(entry.id), 2);
        PutBigEndian(references_, nameOffset, 2);
        PutBigEndian(references_, (UInt32(entry.attributes) << 24) | UInt32(data_.size()), 4);
        PutBigEndian(references_, 0, 4);
        PutBigEndian(data_, UInt32(entry.data.size()), 4);
        data_.insert(data_.end(), entry.data.begin(), entry.data.end());
        if (entry.name) {
            names_.push_back(UInt8(entry.name->size()));
            names_.insert(names_.end(), entry.name->begin(), entry.name->end());
        }
        return true;
    }

    size_t referencesStart_;
    std::vector<UInt8> data_;
    std::vector<UInt8> types_;
    std::vector<UInt8> references_;
    std::vector<UInt8> names_;
};

} // namespace

OSErr ParseResourceFile(const std::vector<UInt8>& bytes, ResourceFileImage* image) {
    *image = {};
    Reader file(bytes.data(), bytes.size());
    UInt32 dataOffset = file.Get(0, 4);
    UInt32 mapOffset = file.Get(4, 4);
    UInt32 dataLength = file.Get(8, 4);
    UInt32 mapLength = file.Get(12, 4);
    ParseContext context{
        file.Sub(dataOffset, dataLength), {nullptr, 0}, mapLength / kReferenceSize, dataLength};
    Reader map = file.Sub(mapOffset, mapLength);
    if (!file.Ok() || mapLength < kMapHeaderSize) return mapReadErr;
    return ParseMap(context, map, image) ? noErr : mapReadErr;
}

std::vector<UInt8> SerializeResourceFile(const ResourceFileImage& image) {
    std::vector<UInt8> bytes;
    if (!SerializeResourceFile(image, &bytes)) bytes.clear();
    return bytes;
}

bool SerializeResourceFile(const ResourceFileImage& image, std::vector<UInt8>* bytes) {
    auto groups = GroupByType(image);
    MapWriter writer(groups.size());
    for (const auto& group : groups)
        if (!writer.AddType(group)) return false;
    return writer.Finish(image.fileAttributes, bytes);
}

} // namespace platform::resources
