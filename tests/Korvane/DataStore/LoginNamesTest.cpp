#include "Korvane/DataStore/LoginNames.h"
#include "Korvane/DataStore/FindJASetting.h"
#include "Korvane/DataStoreSupport.h"
#include "Korvane/ImportExport/ImportDuplicates.h"

#include <gtest/gtest.h>

#include <memory>

using namespace testsupport;

// Who is billed depends on this rule: the saved file and the printing backend key on the bytes.
TEST(LoginNames, OneAccountOnlyForTheSameBytes) {
    const PString ann("ann");
    EXPECT_TRUE(SameLoginName(ann, PString("ann")));
    EXPECT_TRUE(SameLoginName(ann, "ann"));
    EXPECT_TRUE(SameLoginName(PString(""), ""));
    for (const char* other : {"Ann", "ANN", "ann ", " ann", "anne", "an", ""}) {
        EXPECT_FALSE(SameLoginName(ann, PString(other))) << other;
        EXPECT_FALSE(SameLoginName(ann, other)) << other;
    }
    // Neither case folding nor normalization outside ASCII: Ö/ö, and é precomposed/decomposed.
    EXPECT_FALSE(SameLoginName(PString("\xC3\x96z"), "\xC3\xB6z"));
    EXPECT_FALSE(SameLoginName(PString("jos\xC3\xA9"), "jose\xCC\x81"));
    EXPECT_TRUE(SameLoginName(PString("jos\xC3\xA9"), "jos\xC3\xA9"));
    EXPECT_EQ(LoginNameKey(PString("ann ")), "ann ");

    // The printing backend's lookup and the import's duplicates keep the rule.
    const std::string text = "Ann,1,Upper\r\nann ,2,Spaced\r\nann,3,Plain\r\n";
    JASetting found{};
    ASSERT_TRUE(FindJASetting(reinterpret_cast<const UInt8*>(text.data()), SInt32(text.size()),
                              "ann", &found));
    EXPECT_EQ(TextOf(found.accountID), "3");
    EXPECT_FALSE(FindJASetting(reinterpret_cast<const UInt8*>(text.data()), SInt32(text.size()),
                               "ANN", &found));
    auto staged = std::make_unique<JASettingBlock>(), list = std::make_unique<JASettingBlock>();
    staged->entryCount = 1;
    staged->records[0] = Entry("ann", "4", "New");
    list->entryCount = 3;
    list->records[0] = Entry("Ann", "1", "Upper");
    list->records[1] = Entry("ann ", "2", "Spaced");
    list->records[2] = Entry("ann", "3", "Plain");
    EXPECT_TRUE(MarkImportDuplicates(staged.get(), list.get()));
    EXPECT_FALSE(list->records[0].duplicateFlag);
    EXPECT_FALSE(list->records[1].duplicateFlag);
    EXPECT_TRUE(list->records[2].duplicateFlag);
}
