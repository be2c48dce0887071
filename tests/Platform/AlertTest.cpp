#include "DialogTestFixture.h"

using ::testing::HasSubstr;

namespace {

using Alerts = DialogFixture;

std::string gRawText;

// Sees the alert before anything else does, and leaves every event to it.
Boolean ReadMessage(DialogRef alert, EventRecord*, DialogItemIndex*) {
    DialogItemType type;
    Handle handle;
    Rect box;
    GetDialogItem(alert, 2, &type, &handle, &box);
    Str255 text;
    GetDialogItemText(handle, text);
    gRawText.assign(reinterpret_cast<char*>(text + 1), text[0]);
    return false;
}

const unsigned char* P(const char* pascal) {
    return reinterpret_cast<const unsigned char*>(pascal);
}

} // namespace

TEST_F(Alerts, AnAlertShowsItsKindAndParametersAndReturnsTheItemChosen) {
    ParamText(P("\x09"
                "Disk full"),
              P(""), P(""), P(""));
    Script("print\n"
           "key return\n");
    EXPECT_EQ(CautionAlert(130, ReadMessage), 1);
    EXPECT_EQ(gRawText, "^0");
    EXPECT_THAT(Printouts(), HasSubstr("window \"\" dialog front at 288,224 size 448x128\n"
                                       "  alert caution\n"
                                       "  item 1 button \"OK\" active default cancel\n"
                                       "  item 2 static \"Disk full\" disabled\n"));
    EXPECT_THAT(Printouts(), HasSubstr("beep at tick"));
    EXPECT_TRUE(platform::windows::WindowList().empty());

    // A null parameter stays as it was.
    ParamText(P("\x05"
                "Later"),
              nullptr, nullptr, nullptr);
    ParamText(nullptr, P("\x03two"), nullptr, nullptr);
    Script("print\n"
           "key escape\n");
    EXPECT_EQ(StopAlert(131, nullptr), 1);
    EXPECT_THAT(Printouts(), HasSubstr("  alert stop\n"
                                       "  item 1 button \"OK\" active default cancel\n"
                                       "  item 2 static \"Later\" disabled\n"
                                       "  item 3 static \"two\" disabled\n"));
}

TEST_F(Alerts, EscapeChoosesTheCancellingButton) {
    Script("key escape\n"   // 1009: Save / Don't Save
           "key return\n"   // 1009
           "click item 2\n" // 1009
           "key escape\n"   // 1012: Cancel (the default) / Delete All
           "key escape\n"   // 1011: Replace / Don't Replace
           "key enter\n");  // 1011
    EXPECT_EQ(CautionAlert(1009, nullptr), 2);
    EXPECT_EQ(CautionAlert(1009, nullptr), 1);
    EXPECT_EQ(CautionAlert(1009, nullptr), 2);
    EXPECT_EQ(CautionAlert(1012, nullptr), 1);
    EXPECT_EQ(NoteAlert(1011, nullptr), 2);
    EXPECT_EQ(Alert(1011, nullptr), 1);
    EXPECT_EQ(StopAlert(4242, nullptr), -1);
}
