#include "DialogTemplates.h"
#include "MorrowCommon_2/ChangeDITLToAppearanceSavvy.h"
#include "Platform/MacMemory.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

constexpr SInt16 kItemListID = 500;
constexpr SInt16 kFirstControlID = 600;

// One control of each case, behind a button and a static text of odd length, which the walk
// must step over with its pad byte.
std::vector<ResourceEntry> TemplatesFor(const std::vector<SInt16>& procIDs) {
    ItemList items;
    items.Text(4, "OK").Text(8, "Odd");
    std::vector<ResourceEntry> entries;
    for (size_t i = 0; i < procIDs.size(); ++i) {
        const SInt16 id = SInt16(kFirstControlID + i);
        items.Control(id);
        entries.push_back(Resource("CNTL", id, ControlTemplate(procIDs[i])));
    }
    entries.push_back(Resource("DITL", kItemListID, items.bytes()));
    return entries;
}

std::vector<SInt16> ProcIDsOnDisk(const ScopedTemplateFile& file) {
    std::vector<SInt16> procIDs;
    for (const ResourceEntry& entry : file.OnDisk().entries)
        if (entry.type == FOUR_CHAR_CODE("CNTL"))
            procIDs.push_back(SInt16(entry.data[16] << 8 | entry.data[17]));
    return procIDs;
}

// Converts, closes and converts again; the second run must leave every template unmarked.
std::vector<SInt16> ConvertTwice(const std::vector<SInt16>& procIDs, bool* secondChanged) {
    ScopedTemplateFile file(TemplatesFor(procIDs));
    ChangeDITLToAppearanceSavvy(kItemListID);
    file.Close();
    file.Open();
    ChangeDITLToAppearanceSavvy(kItemListID);
    *secondChanged = false;
    for (size_t i = 0; i < procIDs.size(); ++i)
        *secondChanged |=
            (GetResAttrs(GetResource(FOUR_CHAR_CODE("CNTL"), SInt16(kFirstControlID + i))) &
             resChanged) != 0;
    file.Close();
    return ProcIDsOnDisk(file);
}

} // namespace

// The platform has Appearance: popups and scroll bars become its live kinds, once.
TEST(ItemListConversion, ConvertsEachKindOnce) {
    bool secondChanged = true;
    EXPECT_EQ(ConvertTwice({1010, 16002, 405, 386, 16, 384, 17}, &secondChanged),
              (std::vector<SInt16>{402, 402, 405, 386, 386, 386, 17}));
    EXPECT_FALSE(secondChanged);
}

TEST(ItemListConversion, MissingTemplatesAreSkipped) {
    ItemList items;
    items.Control(kFirstControlID + 1).Control(kFirstControlID);
    ScopedTemplateFile file({Resource("DITL", kItemListID, items.bytes()),
                             Resource("CNTL", kFirstControlID, ControlTemplate(1010))});
    ChangeDITLToAppearanceSavvy(kItemListID + 1); // no such list: nothing happens
    ChangeDITLToAppearanceSavvy(kItemListID);
    file.Close();
    EXPECT_EQ(ProcIDsOnDisk(file), std::vector<SInt16>{402});
}
