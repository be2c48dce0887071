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

TEST(ResourceEncoders, WindowAndControlTemplates) {
    auto dlog = CompileOne("dialog 7\n    bounds 40,48 560x320\n    window document-fixed\n"
                           "    close-box yes\n    visible no\n    items 1007\n    title \"Abc\"\n"
                           "    placement center-main-screen\nend\n");
    EXPECT_TRUE(SameRect(RectAt(dlog, 0), Rect{48, 40, 368, 600}));
    EXPECT_EQ(Big16(dlog, 8), 4);     // window definition
    EXPECT_EQ(dlog[10], 0);           // visible
    EXPECT_EQ(dlog[12], 1);           // close box
    EXPECT_EQ(Big16(dlog, 18), 1007); // item list
    EXPECT_EQ(PascalAt(dlog, 20), "Abc");
    ASSERT_EQ(dlog.size(), 26u); // title padded to an even length
    EXPECT_EQ(Big16(dlog, 24), 0x280A);

    auto alrt = CompileOne("alert 8\n    bounds 0,16 64x32\n    items 8\n    default-button 2\n"
                           "    beeps 1\nend\n");
    EXPECT_TRUE(SameRect(RectAt(alrt, 0), Rect{16, 0, 48, 64}));
    EXPECT_EQ(Big16(alrt, 8), 8);
    EXPECT_EQ(UInt16(Big16(alrt, 10)), 0xDDDD); // item 2 outlined, drawn, one beep, every stage
    EXPECT_EQ(alrt.size(), 14u);

    auto cntl = CompileOne("control 9\n    bounds 544,48 16x224\n    definition scroll-bar\n"
                           "    maximum 5\n    title \"T\"\nend\n");
    EXPECT_TRUE(SameRect(RectAt(cntl, 0), Rect{48, 544, 272, 560}));
    EXPECT_EQ(Big16(cntl, 12), 5);  // maximum
    EXPECT_EQ(Big16(cntl, 16), 16); // procID
    EXPECT_EQ(PascalAt(cntl, 22), "T");
}

TEST(ResourceEncoders, MenusAndTheirCommandNumbers) {
    auto menu = CompileOne("menu 130\n    title \"Edit\"\n    item \"Undo\" key Z disabled\n"
                           "    separator\n    item \"Cut\" key X\nend\n");
    EXPECT_EQ(Big16(menu, 0), 130);
    EXPECT_EQ(Big32(menu, 10), 0b1001u); // title and Cut enabled
    EXPECT_EQ(PascalAt(menu, 14), "Edit");
    size_t at = 19;
    EXPECT_EQ(PascalAt(menu, at), "Undo");
    EXPECT_EQ(menu[at + 6], 'Z');
    at += 9;
    EXPECT_EQ(PascalAt(menu, at), "-");
    at += 6;
    EXPECT_EQ(PascalAt(menu, at), "Cut");
    EXPECT_EQ(menu[at + 5], 'X');
    EXPECT_EQ(menu.size(), at + 8 + 1); // ends with a zero byte

    auto mcmd = CompileOne("menu-commands 130\n    commands 21 22\n    commands 300\nend\n");
    ASSERT_EQ(mcmd.size(), 8u);
    SInt16 native[4];
    std::memcpy(native, mcmd.data(), sizeof native);
    EXPECT_EQ(native[0], 3);
    EXPECT_EQ(native[1], 21);
    EXPECT_EQ(native[2], 22);
    EXPECT_EQ(native[3], 300);
}

TEST(ResourceEncoders, StringsAndHelpTopics) {
    auto list = CompileOne("string-list 1\n    \"one\"\n    2 \"\"\n    \"three\"\nend\n");
    EXPECT_EQ(list, (std::vector<UInt8>{0, 3, 3, 'o', 'n', 'e', 0, 5, 't', 'h', 'r', 'e', 'e'}));

    auto help = CompileOne("help-topics 1007\n    topic 10071 \"List\"\n    topic 300 \"" +
                           std::string(47, 'x') + "\"\nend\n");
    ASSERT_EQ(help.size(), 2u + 2 * 50);
    EXPECT_EQ(Big16(help, 0), 2);
    EXPECT_EQ(PascalAt(help, 2), "List");
    EXPECT_EQ(help[2 + 5], 0) << "title padded with zeros";
    EXPECT_EQ(Big16(help, 2 + 48), 10071);
    EXPECT_EQ(PascalAt(help, 52), std::string(47, 'x'));
    EXPECT_EQ(Big16(help, 52 + 48), 300);
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

TEST(ResourceEncoders, VersionNumberFormatAndColourTable) {
    auto vers = CompileOne("version 1\n    version 12.3.4\n    stage beta\n    short \"12.3.4\"\n"
                           "    long \"12.3.4, test\"\nend\n");
    EXPECT_EQ(vers[0], 0x12);
    EXPECT_EQ(vers[1], 0x34);
    EXPECT_EQ(vers[2], 0x60);
    EXPECT_EQ(PascalAt(vers, 6), "12.3.4");
    EXPECT_EQ(PascalAt(vers, 13), "12.3.4, test");

    auto itl0 = CompileOne("number-format 0\n    decimal-point \",\"\n    metric yes\nend\n");
    ASSERT_EQ(itl0.size(), 32u);
    EXPECT_EQ(itl0[0], ',');
    EXPECT_EQ(itl0[3], '$');
    EXPECT_EQ(itl0[29], 0xFF); // metric

    auto clut = CompileOne("colour-table 8\n    0 #FFFFFF\n    1 #00800000FFFF\nend\n");
    ASSERT_EQ(clut.size(), 8u + 2 * 8);
    EXPECT_EQ(Big16(clut, 6), 1); // entries less one
    EXPECT_EQ(UInt16(Big16(clut, 10)), 0xFFFF);
    EXPECT_EQ(Big16(clut, 16), 1);
    EXPECT_EQ(Big16(clut, 18), 0x0080);
    EXPECT_EQ(Big16(clut, 20), 0);
    EXPECT_EQ(UInt16(Big16(clut, 22)), 0xFFFF);
}
