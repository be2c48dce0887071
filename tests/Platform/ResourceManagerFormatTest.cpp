#include "Platform/MacErrors.h"
#include "Resources/ResourceFileFormat.h"
#include "TestSupport/ResourceFiles.h"

#include <gtest/gtest.h>

using namespace platform::resources;
using namespace testsupport;

namespace {

constexpr ResType kText = FOUR_CHAR_CODE("TEXT");
constexpr ResType kWpos = FOUR_CHAR_CODE("WPOS");

UInt32 Big(const std::vector<UInt8>& b, size_t at, int width) {
    UInt32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | b[at + i];
    return value;
}

void Put(std::vector<UInt8>& b, size_t at, UInt32 value, int width) {
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        b[at + i] = UInt8(value);
}

ResourceFileImage Sample() {
    return {0x0001,
            {{kText, 128, "Read me", 0x20, BytesOf("hello")},
             {kWpos, -1, std::nullopt, 0, {0xFF, 0xFF, 0x00, 0x10}},
             {kText, 129, std::nullopt, 0x08, {}}}};
}

// Where the parts of a serialized file are, read from its header and map.
struct Layout {
    explicit Layout(const std::vector<UInt8>& b)
        : map(Big(b, 4, 4)), typeList(map + Big(b, map + 24, 2)),
          firstReference(typeList + Big(b, typeList + 8, 2)) {}
    size_t map, typeList, firstReference;
};

OSErr Parse(const std::vector<UInt8>& bytes) {
    ResourceFileImage image;
    return ParseResourceFile(bytes, &image);
}

} // namespace

TEST(ResourceFileFormat, SerializedFileHasTheClassicLayoutAndReadsBackGroupedByType) {
    const ResourceFileImage sample = Sample();
    std::vector<UInt8> bytes = SerializeResourceFile(sample);
    // Data at 256, the map right after it, starting with a copy of the header.
    EXPECT_EQ(Big(bytes, 0, 4), 256u);
    EXPECT_EQ(Big(bytes, 4, 4), 256u + 9 + 8 + 4);
    EXPECT_EQ(bytes.size(), Big(bytes, 4, 4) + Big(bytes, 12, 4));
    Layout at(bytes);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 16, bytes.begin() + at.map));
    EXPECT_EQ(Big(bytes, at.typeList, 2), 1u);                    // two types
    EXPECT_EQ(Big(bytes, at.typeList + 6, 2), 1u);                // two of the first
    EXPECT_EQ(Big(bytes, at.firstReference + 4, 4), 0x20000000u); // attributes, data offset 0

    ResourceFileImage back;
    ASSERT_EQ(ParseResourceFile(bytes, &back), noErr);
    EXPECT_EQ(back, ResourceFileImage({sample.fileAttributes,
                                       {sample.entries[0], sample.entries[2], sample.entries[1]}}));

    std::vector<UInt8> empty = SerializeResourceFile({});
    EXPECT_EQ(Big(empty, Layout(empty).typeList, 2), 0xFFFFu);
    EXPECT_EQ(ParseResourceFile(empty, &back), noErr);
    EXPECT_TRUE(back.entries.empty());
    EXPECT_TRUE(SerializeResourceFile({0, {{kText, 1, std::string(256, 'x'), 0, {}}}}).empty());
}

TEST(ResourceFileFormat, DamagedFilesGiveMapReadErr) {
    const std::vector<UInt8> good = SerializeResourceFile(Sample());
    for (size_t length = 0; length < good.size(); ++length)
        EXPECT_EQ(Parse({good.begin(), good.begin() + length}), mapReadErr) << length;

    const Layout at(good);
    auto damaged = [&](size_t offset, UInt32 value, int width) {
        std::vector<UInt8> bytes = good;
        Put(bytes, offset, value, width);
        return Parse(bytes);
    };
    EXPECT_EQ(damaged(0, 0xFFFFFF00, 4), mapReadErr);                 // data past the end
    EXPECT_EQ(damaged(4, 0xFFFFFFF0, 4), mapReadErr);                 // map offset wraps
    EXPECT_EQ(damaged(12, 20, 4), mapReadErr);                        // map shorter than its header
    EXPECT_EQ(damaged(at.map + 24, 0xFFF0, 2), mapReadErr);           // type list outside the map
    EXPECT_EQ(damaged(at.typeList, 0x7FFF, 2), mapReadErr);           // too many types
    EXPECT_EQ(damaged(at.typeList + 6, 0xFFFF, 2), mapReadErr);       // too many references
    EXPECT_EQ(damaged(at.typeList + 8, 0xFFF0, 2), mapReadErr);       // references outside
    EXPECT_EQ(damaged(at.firstReference + 2, 0x7000, 2), mapReadErr); // name outside
    EXPECT_EQ(damaged(at.firstReference + 5, 0xFFFFFF, 3), mapReadErr); // data outside
    EXPECT_EQ(damaged(256, 0x7FFFFFFF, 4), mapReadErr);                 // data length too large
    EXPECT_EQ(damaged(at.typeList + 10, kText, 4), mapReadErr);         // a type listed twice

    // Two references sharing one entry claim more data than the file holds.
    std::vector<UInt8> shared = good;
    Put(shared, at.firstReference + 12 + 5, 0, 3);
    EXPECT_EQ(Parse(shared), mapReadErr);
}
