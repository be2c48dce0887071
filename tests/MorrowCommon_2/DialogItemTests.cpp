#include "DialogTemplates.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/ModelPrintout.h"
#include "TestSupport/PString.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

constexpr SInt16 kDialogID = 800;
enum : short { kButton = 1, kField };

class DialogItems : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = GetNewDialog(kDialogID, nullptr, WindowRef(-1));
        ASSERT_NE(dialog, nullptr);
    }

    HeadlessDriver display;
    ScopedTemplateFile file{DialogWithItems(kDialogID, ItemList().Text(4, "OK").Text(16, "Name"))};
    DialogRef dialog = nullptr;
};

} // namespace

TEST_F(DialogItems, SelectingTheWholeTextLeavesTheCurrentPort) {
    MySetIText(dialog, kField, PString("Ann Lee"));
    GrafPtr before, after;
    GetPort(&before);
    MySelectWholeText(dialog, kField);
    GetPort(&after);
    EXPECT_EQ(after, before);
    EXPECT_NE(after, GetDialogPort(dialog));
    const std::string model = ModelPrintout();
    EXPECT_NE(model.find("edit \"Ann Lee\" focus selection 0-7"), std::string::npos) << model;
}

TEST_F(DialogItems, NewBoxesAndHandlesKeepTheRestOfTheItem) {
    const Rect box = {0, 0, 16, 40};
    ControlRef button = GetDialogItemControlHandle(dialog, kButton);
    SetDialogItemBox(dialog, kButton, &box);
    SetDialogItemControlHandle(dialog, kButton, button);
    DialogItemType type;
    Handle handle;
    Rect got;
    GetDialogItem(dialog, kButton, &type, &handle, &got);
    EXPECT_EQ(type, ctrlItem + btnCtrl);
    EXPECT_EQ(handle, reinterpret_cast<Handle>(button));
    EXPECT_TRUE(EqualRect(&got, &box));
}
