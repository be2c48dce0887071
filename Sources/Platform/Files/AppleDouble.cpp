#include "AppleDouble.h"

#include "Host/ReplaceFileWhole.h"
#include "ItemOperations.h"
#include "NodeTable.h"
#include "Support/BigEndian.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {

namespace {

constexpr UInt32 kMagic = 0x00051607;
constexpr UInt32 kVersion = 0x00020000;
constexpr size_t kHeaderSize = 26; // magic, version, 16 filler bytes, entry count
constexpr size_t kEntryDescriptorSize = 12;

void AppendBig32(std::vector<UInt8>& out, UInt32 value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(UInt8(value >> shift));
}

std::vector<UInt8> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<UInt8>(std::istreambuf_iterator<char>(in), {});
}

} // namespace

std::vector<UInt8>
AppleDouble::Encode(const std::vector<std::pair<UInt32, std::vector<UInt8>>>& entries) {
    std::vector<UInt8> out;
    AppendBig32(out, kMagic);
    AppendBig32(out, kVersion);
    out.resize(out.size() + 16, 0);
    out.push_back(UInt8(entries.size() >> 8));
    out.push_back(UInt8(entries.size()));
    UInt32 offset = UInt32(kHeaderSize + kEntryDescriptorSize * entries.size());
    for (const auto& [id, bytes] : entries) {
        AppendBig32(out, id);
        AppendBig32(out, offset);
        AppendBig32(out, UInt32(bytes.size()));
        offset += UInt32(bytes.size());
    }
    for (const auto& entry : entries)
        out.insert(out.end(), entry.second.begin(), entry.second.end());
    return out;
}

std::optional<std::vector<std::pair<UInt32, std::vector<UInt8>>>>
AppleDouble::Decode(const std::vector<UInt8>& bytes) {
    if (bytes.size() < kHeaderSize || Big32(&bytes[0]) != kMagic || Big32(&bytes[4]) != kVersion)
        return std::nullopt;
    size_t count = Big16(&bytes[24]);
    if (kHeaderSize + count * kEntryDescriptorSize > bytes.size()) return std::nullopt;
    std::vector<std::pair<UInt32, std::vector<UInt8>>> entries;
    for (size_t i = 0; i < count; ++i) {
        const UInt8* descriptor = &bytes[kHeaderSize + i * kEntryDescriptorSize];
        UInt64 offset = Big32(descriptor + 4), length = Big32(descriptor + 8);
        if (offset + length > bytes.size()) return std::nullopt;
        entries.emplace_back(
            Big32(descriptor),
            std::vector<UInt8>(bytes.begin() + offset, bytes.begin() + offset + length));
    }
    return entries;
}

AppleDouble AppleDouble::Load(const std::string& itemPath) {
    AppleDouble sidecar;
    if (auto entries = Decode(ReadWholeFile(SidecarPath(itemPath)))) sidecar.entries_ = *entries;
    return sidecar;
}

// Replaced whole, never through a link someone planted. It takes its file's permissions (the
// user's alone when there is none).
bool AppleDouble::Save(const std::string& itemPath) const {
    struct stat item;
    const mode_t mode = stat(itemPath.c_str(), &item) == 0 ? (item.st_mode & 0666) : 0600;
    const std::vector<UInt8> bytes = Encode(entries_);
    return host::ReplaceFileWhole(SidecarPath(itemPath), bytes.data(), bytes.size(), mode) == 0;
}

bool AppleDouble::Has(UInt32 id) const {
    return Entry(id) != nullptr;
}

const std::vector<UInt8>* AppleDouble::Entry(UInt32 id) const {
    for (const auto& entry : entries_)
        if (entry.first == id) return &entry.second;
    return nullptr;
}

void AppleDouble::SetEntry(UInt32 id, std::vector<UInt8> bytes) {
    for (auto& entry : entries_)
        if (entry.first == id) {
            entry.second = std::move(bytes);
            return;
        }
    entries_.emplace_back(id, std::move(bytes));
}

AppleDouble::FinderInfo AppleDouble::GetFinderInfo() const {
    FinderInfo info{};
    if (const auto* bytes = Entry(kAppleDoubleFinderInfo))
        std::copy_n(bytes->begin(), std::min(bytes->size(), info.size()), info.begin());
    return info;
}

void AppleDouble::SetFinderInfo(const FinderInfo& info) {
    SetEntry(kAppleDoubleFinderInfo, std::vector<UInt8>(info.begin(), info.end()));
}

std::string SidecarName(const std::string& itemName) {
    return "._" + itemName;
}

std::string SidecarPath(const std::string& itemPath) {
    return JoinPath(ParentPath(itemPath), SidecarName(LeafName(itemPath)));
}

bool IsSidecarName(const std::string& name) {
    return name.size() > 2 && name.rfind("._", 0) == 0;
}

void RemoveSidecar(const std::string& itemPath) {
    unlink(SidecarPath(itemPath).c_str());
}

} // namespace platform::files
