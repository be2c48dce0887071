#include "CompilerTestSupport.h"
#include "ResourceBytes.h"
#include "TestSupport/TempFolder.h"

#include <cstring>
#include <fstream>

using namespace resourcetest;

namespace {

bool SameRect(const Rect& a, const Rect& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

} // namespace

TEST(ResourceEncoders, HeaderGivesTypeIdNameAndAttributes) {
    auto entries = Compile("string -8185 \"Product\" purgeable locked\n    text \"K\"\nend\n"
                           "data 'abcd' 9\n    hex 0102 03\n    hex ff\nend\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].type, FOUR_CHAR_CODE("STR "));
    EXPECT_EQ(entries[0].id, -8185);
    EXPECT_EQ(entries[0].name, "Product");
    EXPECT_EQ(entries[0].attributes, 0x20 | 0x10);
    EXPECT_EQ(entries[0].data, (std::vector<UInt8>{1, 'K'}));
    EXPECT_EQ(entries[1].type, FOUR_CHAR_CODE("abcd"));
    EXPECT_FALSE(entries[1].name);
    EXPECT_EQ(entries[1].data, (std::vector<UInt8>{1, 2, 3, 0xFF}));
    EXPECT_EQ(CompileOne("string 1\r\n    text \"a\"\r\nend\r\n"), (std::vector<UInt8>{1, 'a'}))
        << "sources with CR LF line ends";
}

// An odd-length text before a control item: the walk must step over its pad byte.
TEST(ResourceEncoders, ItemListFollowsTheItemSizeRule) {
    auto ditl = CompileOne("item-list 5\n"
                           "    static 16,32 80x16 \"odd\" disabled\n"
                           "    2 control 8,48 16x64 300\n"
                           "    reserved\n"
                           "    edit 0,0 8x16\n"
                           "    button 24,16 64x16 \"OK\"\n"
                           "end\n");
    auto items = WalkItemList(ditl);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].kind, 8);
    EXPECT_TRUE(items[0].disabled);
    EXPECT_TRUE(SameRect(items[0].box, Rect{32, 16, 48, 96}));
    EXPECT_EQ(items[0].text(), "odd");
    EXPECT_EQ(items[1].kind, 7);
    EXPECT_FALSE(items[1].disabled);
    EXPECT_EQ(items[1].data, (std::vector<UInt8>{0x01, 0x2C})); // 300, high byte first
    EXPECT_EQ(items[2].kind, 0);
    EXPECT_TRUE(items[2].disabled);
    EXPECT_TRUE(SameRect(items[2].box, Rect{}));
    EXPECT_EQ(items[3].kind, 16);
    EXPECT_TRUE(items[3].data.empty());
    EXPECT_EQ(items[4].kind, 4);
    EXPECT_EQ(items[4].text(), "OK");
    EXPECT_EQ(ditl[2 + 14 + 3], 0) << "pad byte after the odd text";
}

TEST(ResourceEncoders, StyledTextMakesTextAndStyleRuns) {
    auto entries = Compile("styled-text 12 \"Topic\"\n"
                           "    font 1\n    size 12\n    colour #FF8000\n"
                           "    | *Title*\n    |\n    | one\n    | _two_ \\*three\n"
                           "    | - item\nend\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].type, FOUR_CHAR_CODE("TEXT"));
    std::string text(entries[0].data.begin(), entries[0].data.end());
    EXPECT_EQ(text, "Title\r\rone two *three\r- item");
    EXPECT_EQ(entries[1].type, FOUR_CHAR_CODE("styl"));
    EXPECT_EQ(entries[1].id, 12);
    EXPECT_EQ(entries[1].name, "Topic");
    const auto& styl = entries[1].data;
    ASSERT_EQ(Big16(styl, 0), 4);
    ASSERT_EQ(styl.size(), 2u + 4 * 20);
    // Start, line height 16, ascent 12, font 1, face, size 12, colour FFFF 8080 0000.
    const UInt8 starts[] = {0, 5, 11, 14}, faces[] = {1, 0, 4, 0};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(
            std::vector<UInt8>(styl.begin() + long(2 + 20 * i), styl.begin() + long(22 + 20 * i)),
            (std::vector<UInt8>{0,        0, 0, starts[i], 0,    16,   0,    12,   0, 1,
                                faces[i], 0, 0, 12,        0xFF, 0xFF, 0x80, 0x80, 0, 0}))
            << "run " << i;
}

TEST(ResourceEncoders, PlainTextFromAFile) {
    testsupport::TempFolder folder;
    std::ofstream(folder / "topic.txt") << "First line\r\njoins.\n\nSecond *paragraph*.\n";
    auto entries = Compile("text 3\n    file \"topic.txt\"\nend\n", folder.path());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(std::string(entries[0].data.begin(), entries[0].data.end()),
              "First line joins.\r\rSecond *paragraph*.");
}
