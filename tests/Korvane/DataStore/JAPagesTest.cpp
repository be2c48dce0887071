#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStoreSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(JAPages, FirstPageAndRowsFollowTheEntryCount) {
    SettingPrivateRec setting{};
    JASettingBlock* block = new JASettingBlock{};
    setting.entries = block;
    struct Case {
        SInt16 entries, pages, lastShown;
    };
    for (Case c : {Case{0, 1, 0}, Case{1, 1, 1}, Case{1000, 1, 1000}, Case{1001, 2, 1000},
                   Case{4001, 5, 1000}, Case{5000, 5, 1000}}) {
        block->entryCount = c.entries;
        ShowFirstJAPage(&setting);
        EXPECT_EQ(setting.firstShown, 1) << c.entries;
        EXPECT_EQ(setting.lastShown, c.lastShown) << c.entries;
        EXPECT_EQ(setting.pageCount, c.pages) << c.entries;
    }
    EXPECT_EQ(JALastShown(1001, 1001), 1001); // page 2 of 1001 entries shows one
    EXPECT_EQ(JALastShown(4001, 5000), 5000);
    setting.firstShown = 2001;
    EXPECT_EQ(JARecordIndexOfRow(&setting, 0), 2000);
    EXPECT_EQ(JARecordIndexOfRow(&setting, 999), 2999);
    delete block;
}
