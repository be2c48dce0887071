#include "Korvane/ImportExport/ImportParse.h"
#include "Korvane/DataStoreSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Parsed {
    std::unique_ptr<JASettingBlock> staged = std::make_unique<JASettingBlock>();
    SInt16 incomplete = 0;

    void Parse(const std::string& text) {
        incomplete = ParseImportText(reinterpret_cast<const UInt8*>(text.data()),
                                     UInt32(text.size()), staged.get());
    }
    std::vector<std::string> Slots() const {
        std::vector<std::string> slots;
        for (int i = 0; i < staged->entryCount; ++i) {
            const JASetting& s = staged->records[i];
            slots.push_back(TextOf(s.loginName) + "|" + TextOf(s.accountID) + "|" +
                            TextOf(s.userName));
        }
        return slots;
    }
};

const std::string kMark = "\xEF\xBB\xBF"; // a byte-order mark
const std::vector<std::string> kThree = {"anna|5|Anna A", "bob|7|Bob B", "carl|9|Carl C"};

} // namespace

// Line ends with a final end, and a leading byte-order mark, are also imported end to end.
TEST(ImportParse, LinesAndFields) {
    const struct {
        std::string text;
        std::vector<std::string> slots;
        SInt16 incomplete;
    } cases[] = {
        {"anna,5,Anna A\nbob,7,Bob B\ncarl,9,Carl C", kThree, 0},
        {"anna,5,Anna A\rbob,7,Bob B\rcarl,9,Carl C", kThree, 0},
        // LF CR ends two lines; empty ones are not counted as rejected, "junk" and "x,1" are.
        {"\n\r\nanna,5,Anna A\n\rjunk\rx,1\r\nbob,7,Bob B\r\n\r\ncarl,9,Carl C\r\n\r\n", kThree, 2},
        {"", {}, 0},
        // Split at the first two commas, without quoting or trimming.
        {"a,1,b,c\r\"q\", 2 ,\"Q, R\"\r,,\r", {"a|1|b,c", "\"q\"| 2 |\"Q, R\"", "||"}, 0},
        // A byte-order mark is skipped only at the start.
        {kMark + "a,5,A\r\n" + kMark + "b,7,B\r\n", {"a|5|A", kMark + "b|7|B"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Parsed p;
        p.Parse(c.text);
        EXPECT_EQ(p.Slots(), c.slots);
        EXPECT_EQ(p.incomplete, c.incomplete);
    }
}

TEST(ImportParse, ReadsAtMost5100LinesEmptyOnesIncluded) {
    std::string text = "\r\n";
    for (int n = 1; n <= 5100; ++n)
        text += "u" + std::to_string(n) + "," + std::to_string(n) + ",U\r\n";
    Parsed p;
    p.Parse(text);
    EXPECT_EQ(p.staged->entryCount, 5099);
    EXPECT_EQ(TextOf(p.staged->records[5098].loginName), "u5099");

    // The lines left unread, u5100 and those after it, are counted for the report; empty ones
    // are not.
    static ImportLines lines;
    for (const auto& [rest, unread] : {std::pair{"", 1}, {"\r\n\r\n", 1}, {"x\r\n\ry,1,Y", 3}}) {
        const std::string all = text + rest;
        ParseImportText(reinterpret_cast<const UInt8*>(all.data()), UInt32(all.size()),
                        p.staged.get(), &lines);
        EXPECT_EQ(lines.unread, unread) << rest;
        EXPECT_EQ(lines.ofSlot[5098], 5100) << "the empty first line is a line";
    }
}

TEST(ImportParse, SlotsOfAnEarlierParseAreEmptied) {
    Parsed p;
    p.Parse("anna,5,Anna A\rbob,7,Bob B\rcarl,9,Carl C\r");
    p.staged->records[0].duplicateFlag = true;
    p.Parse("x,1,X\r");
    EXPECT_EQ(p.Slots(), (std::vector<std::string>{"x|1|X"}));
    EXPECT_FALSE(p.staged->records[0].duplicateFlag);
    for (int i = 1; i < 3; ++i) {
        const JASetting& s = p.staged->records[i];
        EXPECT_EQ(s.loginName[0] + s.accountID[0] + s.userName[0], 0) << "slot " << i;
    }
}
