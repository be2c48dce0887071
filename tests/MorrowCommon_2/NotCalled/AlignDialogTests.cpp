#include "../DialogTemplates.h"
#include "MorrowCommon_2/MyAlignDialog.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/ModelPrintout.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

constexpr SInt16 kID = 820;

// A template's bounds as it lies in memory: top, left, bottom, right.
std::vector<int> BoundsOf(ResType type) {
    Handle window = GetResource(type, kID);
    if (!window) return {};
    const UInt8* bytes = reinterpret_cast<const UInt8*>(*window);
    std::vector<int> bounds;
    for (int at = 0; at < 8; at += 2)
        bounds.push_back(SInt16((bytes[at] << 8) | bytes[at + 1]));
    return bounds;
}

// 'DLOG' and 'ALRT' both begin with their bounds; so does 'WIND', which is left alone.
std::vector<ResourceEntry> Templates(SInt16 width) {
    const std::vector<UInt8> dialog = DialogTemplate(64, width, kID);
    return {Resource("DITL", kID, ItemList().Text(4, "OK").bytes()), Resource("DLOG", kID, dialog),
            Resource("ALRT", kID, dialog), Resource("WIND", kID, dialog)};
}

} // namespace

// The headless screen is 1024 pixels wide.
TEST(MyAlignDialog, CentresDialogAndAlertTemplatesInMemoryOnly) {
    HeadlessDriver display;
    ScopedTemplateFile file{Templates(640)};
    MyAlignDialog(FOUR_CHAR_CODE("DLOG"), kID);
    MyAlignDialog(FOUR_CHAR_CODE("ALRT"), kID);
    MyAlignDialog(FOUR_CHAR_CODE("WIND"), kID);
    MyAlignDialog(FOUR_CHAR_CODE("DLOG"), kID + 1); // none: nothing happens
    EXPECT_EQ(BoundsOf(FOUR_CHAR_CODE("DLOG")), (std::vector<int>{64, 192, 192, 832}));
    EXPECT_EQ(BoundsOf(FOUR_CHAR_CODE("ALRT")), (std::vector<int>{64, 192, 192, 832}));
    EXPECT_EQ(BoundsOf(FOUR_CHAR_CODE("WIND")), (std::vector<int>{64, 64, 192, 704}));

    DialogRef dialog = GetNewDialog(kID, nullptr, WindowRef(-1));
    ASSERT_NE(dialog, nullptr);
    const std::string model = ModelPrintout();
    EXPECT_NE(model.find(" at 192,64 "), std::string::npos) << model;

    file.Close();
    for (const ResourceEntry& entry : file.OnDisk().entries) {
        if (entry.type != FOUR_CHAR_CODE("DLOG")) continue;
        EXPECT_EQ(entry.data[3], 64) << "left on disk";
    }
}

TEST(MyAlignDialog, RoundsHalvesDownEvenForTemplatesWiderThanTheScreen) {
    HeadlessDriver display;
    for (auto [width, left] : {std::pair{641, 191}, {1100, -38}, {1024, 0}}) {
        ScopedTemplateFile file{Templates(SInt16(width))};
        MyAlignDialog(FOUR_CHAR_CODE("DLOG"), kID);
        EXPECT_EQ(BoundsOf(FOUR_CHAR_CODE("DLOG")), (std::vector<int>{64, left, 192, left + width}))
            << width;
    }
}
