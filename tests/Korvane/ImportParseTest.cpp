#include "Korvane/ImportParse.h"
#include "DataStoreSupport.h"

#include <gtest/gtest.h>

#include <memory>

using testsupport::FieldText;

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
            slots.push_back(FieldText(s.loginName) + "|" + FieldText(s.accountID) + "|" +
                            FieldText(s.userName));
        }
        return slots;
    }
};

const std::vector<std::string> kThree = {"anna|5|Anna A", "bob|7|Bob B", "carl|9|Carl C"};

} // namespace

TEST(ImportParse, EveryLineEndGivesTheSameEntries) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        for (bool finalEnd : {true, false}) {
            SCOPED_TRACE(testing::Message() << int(end[0]) << " final " << finalEnd);
            std::string text = std::string("anna,5,Anna A") + end + "bob,7,Bob B" + end +
                               "carl,9,Carl C" + (finalEnd ? end : "");
            Parsed p;
            p.Parse(text);
            EXPECT_EQ(p.Slots(), kThree);
            EXPECT_EQ(p.incomplete, 0);
        }
    }
}

TEST(ImportParse, EmptyAndIncompleteLinesTakeNoSlot) {
    Parsed p;
    // LF CR ends two lines; the empty ones are not counted as rejected, "junk" and "x,1" are.
    p.Parse("\n\r\nanna,5,Anna A\n\rjunk\rx,1\r\nbob,7,Bob B\r\n\r\ncarl,9,Carl C\r\n\r\n");
    EXPECT_EQ(p.Slots(), kThree);
    EXPECT_EQ(p.incomplete, 2);
    p.Parse("");
    EXPECT_EQ(p.staged->entryCount, 0);
    EXPECT_EQ(p.incomplete, 0);
}

TEST(ImportParse, FieldsSplitAtTheFirstTwoCommasWithoutQuotingOrTrimming) {
    Parsed p;
    p.Parse("a,1,b,c\r\"q\", 2 ,\"Q, R\"\r,,\r");
    EXPECT_EQ(p.Slots(), (std::vector<std::string>{"a|1|b,c", "\"q\"| 2 |\"Q, R\"", "||"}));
}

TEST(ImportParse, ByteOrderMarkOnlyAtTheStartIsSkipped) {
    Parsed p;
    p.Parse("\xEF\xBB\xBF"
            "anna,5,Anna A\r\n\xEF\xBB\xBF"
            "bob,7,Bob B\r\n");
    EXPECT_EQ(p.Slots(), (std::vector<std::string>{"anna|5|Anna A", "\xEF\xBB\xBF"
                                                                    "bob|7|Bob B"}));
}

TEST(ImportParse, LinesAreCutAt346BytesAndOverlongLoginNamesMarked) {
    const std::string login255(255, 'l'), user(134, 'u');
    Parsed p;
    // 255 + 1 + 9 + 1 + 134 = 400 bytes: the user name keeps 80 of them.
    p.Parse(login255 + ",123456789," + user + "\r\n" + login255 + "x,1,U\r\n" +
            std::string(400, 'n') + ",1,U\r\n");
    ASSERT_EQ(p.staged->entryCount, 2);
    const JASetting& cut = p.staged->records[0];
    EXPECT_EQ(FieldText(cut.loginName), login255);
    EXPECT_EQ(FieldText(cut.userName), std::string(80, 'u'));
    EXPECT_FALSE(cut.invalidFlag);
    EXPECT_TRUE(p.staged->records[1].invalidFlag) << "256-byte login name";
    EXPECT_EQ(p.incomplete, 1) << "its commas lie beyond the 346 bytes read";
}

TEST(ImportParse, ReadsAtMost5100LinesEmptyOnesIncluded) {
    std::string text = "\r\n";
    for (int n = 1; n <= 5100; ++n)
        text += "u" + std::to_string(n) + "," + std::to_string(n) + ",U\r\n";
    Parsed p;
    p.Parse(text);
    EXPECT_EQ(p.staged->entryCount, 5099);
    EXPECT_EQ(FieldText(p.staged->records[5098].loginName), "u5099");
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
