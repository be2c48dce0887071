#include "../DialogTemplates.h"
#include "MorrowCommon_2/MyControlValues.h"
#include "TestSupport/HeadlessDriver.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

constexpr SInt16 kDialogID = 810;
enum : short { kCheckBox = 1, kFirstRadio, kSecondRadio, kThirdRadio };

class ControlValues : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = GetNewDialog(kDialogID, nullptr, WindowRef(-1));
        ASSERT_NE(dialog, nullptr);
    }

    static std::vector<ResourceEntry> Templates() {
        ItemList items;
        items.Text(ctrlItem + chkCtrl, "Keep").Text(ctrlItem + radCtrl, "A");
        items.Text(ctrlItem + radCtrl, "B").Text(ctrlItem + radCtrl, "C");
        return DialogWithItems(kDialogID, items);
    }

    std::vector<SInt16> Radios() const {
        return {MyGetCtlValue(dialog, kFirstRadio), MyGetCtlValue(dialog, kSecondRadio),
                MyGetCtlValue(dialog, kThirdRadio)};
    }

    HeadlessDriver display;
    ScopedTemplateFile file{Templates()};
    DialogRef dialog = nullptr;
};

} // namespace

TEST_F(ControlValues, CheckBoxesTurnOnOffAndOver) {
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 0);
    MySetCheckBox(dialog, kCheckBox);
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 1);
    MySwitchCheckBox(dialog, kCheckBox);
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 0);
    MySwitchCheckBox(dialog, kCheckBox);
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 1);
    MyClearCheckBox(dialog, kCheckBox);
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 0);
    MySwitchCheckBox(dialog, kCheckBox, -7); // any non-zero is on
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 1);
    MySwitchCheckBox(dialog, kCheckBox, 0);
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 0);
}

TEST_F(ControlValues, OneRadioButtonOfTheGroupIsOn) {
    EXPECT_EQ(MyGetRadioButton(dialog, kFirstRadio, kThirdRadio), 0);
    MySetRadioButton(dialog, kFirstRadio, kThirdRadio, kSecondRadio);
    EXPECT_EQ(Radios(), (std::vector<SInt16>{0, 1, 0}));
    EXPECT_EQ(MyGetRadioButton(dialog, kFirstRadio, kThirdRadio), kSecondRadio);
    MySetRadioButton(dialog, kFirstRadio, kThirdRadio, kThirdRadio);
    EXPECT_EQ(Radios(), (std::vector<SInt16>{0, 0, 1}));
    // With two on, the first one counts; the check box beside the group is left alone.
    MySetCtlValue(dialog, kFirstRadio, 1);
    EXPECT_EQ(MyGetRadioButton(dialog, kFirstRadio, kThirdRadio), kFirstRadio);
    EXPECT_EQ(MyGetRadioButton(dialog, kSecondRadio, kThirdRadio), kThirdRadio);
    EXPECT_EQ(MyGetCtlValue(dialog, kCheckBox), 0);
    MySetRadioButton(dialog, kFirstRadio, kThirdRadio, 0); // none selected: all off
    EXPECT_EQ(Radios(), (std::vector<SInt16>{0, 0, 0}));
}
