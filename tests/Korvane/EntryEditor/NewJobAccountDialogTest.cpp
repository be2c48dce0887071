#include "Korvane/EntryEditor/NewJobAccountDialog.h"
#include "Korvane/DataStoreSupport.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialogActions.h"
#include "Korvane/Shell/ShowAlert.h"
#include "Korvane/Shell/Shutdown.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/MyResFile.h"
#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/HeadlessDriver.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::HasSubstr;

namespace {

const std::string kABC = "a,1,A\r\nb,2,B\r\nc,3,C\r\n";
const std::string kAnswer = "print\nkey return\n";

// The front window of a printout: the alert, when one is open.
std::string FrontWindow(const std::string& printout) {
    const size_t start = printout.find("window ");
    if (start == std::string::npos) return "";
    const size_t end = std::min(printout.find("\nwindow ", start), printout.find("\n---", start));
    return printout.substr(start, end - start);
}

class EntryEditor : public ::testing::Test {
  protected:
    EntryEditor() {
        PlatformResetResourceChain();
        FSSpec& prefs = context->prefsFileSpec;
        FindPreferencesFolder(&prefs.vRefNum, &prefs.parID);
        SetPascal(prefs.name, "Korvane Preferences");
        MyCreateResFile(&prefs);
    }
    ~EntryEditor() override {
        if (context->jobAccountDialog)
            DisposeAllDialogs(context);
        else
            TerminateJobAccountDialog(context, nullptr);
        PlatformResetResourceChain();
    }

    std::string Under(const std::string& script, const std::function<void()>& run) {
        display.Script(script);
        const size_t before = display.Printouts().size();
        run();
        EXPECT_FALSE(display.ScriptEndedEarly()) << "an alert too many";
        return display.Printouts().substr(before);
    }
    std::string StopAlertShown(short alert) {
        const std::string shown = FrontWindow(Under(kAnswer, [&] { StopAlert(alert, nullptr); }));
        EXPECT_THAT(shown, HasSubstr("alert stop")) << alert;
        return shown;
    }
    std::string ReplaceQuestion() {
        const std::string shown = FrontWindow(Under(kAnswer, [&] { CautionAlert(1011, nullptr); }));
        EXPECT_THAT(shown, HasSubstr("alert caution"));
        return shown;
    }

    void OpenList(const std::string& workingCopy) {
        WriteText(store.WorkingCopyPath(), workingCopy);
        ASSERT_EQ(ShowJobAccountDialog(context), noErr);
    }
    void EditRow(short row) {
        for (SInt16 column = 0; column < 2; ++column)
            LSetSelect(true, Cell{row, column}, context->settingPrivate->theList);
        JobAccountDialogItemProc(context, context->jobAccountDialog, kJAItemEdit);
        ASSERT_NE(Editor(), nullptr);
    }
    void OpenNew(const JASetting& proposed) {
        const JAToNewEditRec asNew = {true};
        ASSERT_EQ(ShowNewJobAccountDialog(context, &proposed, &asNew), noErr);
    }
    DialogRef Editor() const { return context->settingPrivate->newEditDialog; }
    // Types into a field as the dialog dispatch reports it; true when confirming is possible.
    bool Type(short item, const std::string& text) {
        Str255 field;
        SetPascal(field, text);
        MySetIText(Editor(), item, field);
        NewJobAccountDialogItemProc(context, item);
        return MyGetControlHilite(Editor(), kEditorItemConfirm) == 0;
    }
    std::string Confirm(const std::string& script) {
        return FrontWindow(Under(
            script, [&] { JobAccountDialogItemProc(context, Editor(), kEditorItemConfirm); }));
    }
    std::string WorkingCopy() const { return ReadFileText(store.WorkingCopyPath()); }

    StoreContext store;
    GlueRec* context = store.context;
    HeadlessDriver display;
};

} // namespace

// The rules the end-to-end suite cannot type: control bytes, zero bytes and the 255-byte limit.
TEST_F(EntryEditor, CheckTakesEveryByteTheRulesAllow) {
    const struct {
        std::string login, user;
        short alert;
    } cases[] = {
        {"a\x1f", "", 1108},
        {std::string("a\0\t\x7f\x80\xff", 6), "", 0},
        {std::string(255, 'a'), "", 0},
        {"ann", "A\rnn", 1109},
        {"ann", std::string("A\0\t\x7f\xc3\xa9", 6), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.login + "," + c.user);
        context->settingPrivate->editedEntry = Entry(c.login, "1", c.user);
        short result = -1;
        const std::string shown =
            FrontWindow(Under(c.alert ? kAnswer : "", [&] { result = sampleCheckRange(context); }));
        EXPECT_EQ(result, c.alert);
        EXPECT_EQ(shown, c.alert ? StopAlertShown(c.alert) : "");
    }
}

TEST_F(EntryEditor, ConfirmTellsCaseApartAndHelpKeepsOneHelpWindow) {
    OpenNew(Entry("ann", "", "ann"));
    EXPECT_TRUE(Type(kEditorItemUserName, "Ann"));
    EXPECT_FALSE(Type(kEditorItemUserName, "ann"));
    for (int press = 0; press < 2; ++press)
        JobAccountDialogItemProc(context, Editor(), kEditorItemHelp);
    EXPECT_EQ(PlatformCountLive().windows, 2); // the editor and one help window
}

TEST_F(EntryEditor, CancelAndAFullListCloseTheEditorWithoutStoring) {
    std::string full;
    for (int i = 1; i <= kJAMaxEntries; ++i)
        full += "u" + std::to_string(i) + "," + std::to_string(i) + ",U\r\n";
    OpenList(full);
    OpenNew(Entry("new", "", "new"));
    EXPECT_TRUE(Type(kEditorItemAccountID, "5"));
    EXPECT_EQ(Confirm(kAnswer), StopAlertShown(1103));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(MyGetControlHilite(context->jobAccountDialog, kJAItemNew), 0);

    EditRow(0); // an edit adds nothing, so the limit does not apply
    EXPECT_TRUE(Type(kEditorItemUserName, "Changed"));
    JobAccountDialogItemProc(context, Editor(), kEditorItemCancel);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(WorkingCopy(), full);
    EXPECT_FALSE(SAVE_BUTTON_Flag);
}

TEST_F(EntryEditor, AnEditWhoseEntryChangedOrWentMeanwhileIsStoredAsNew) {
    OpenList(kABC);
    JASettingBlock* entries = context->settingPrivate->entries;
    EditRow(1);
    EXPECT_TRUE(Type(kEditorItemUserName, "Bee"));
    entries->records[1] = Entry("b", "2", "Imported"); // as an import would
    EXPECT_EQ(Confirm(kAnswer), ReplaceQuestion());
    EXPECT_EQ(WorkingCopy(), "a,1,A\r\nb,2,Bee\r\nc,3,C\r\n");

    EditRow(2);
    EXPECT_TRUE(Type(kEditorItemUserName, "Cee"));
    JobAccountDialogDeleteRecord(context, 2);
    EXPECT_EQ(Confirm(""), "");
    EXPECT_EQ(WorkingCopy(), "c,3,Cee\r\na,1,A\r\nb,2,Bee\r\n");
}

TEST_F(EntryEditor, AFailedRewriteIsShownOnceAndTheEditorClosesAllTheSame) {
    OpenList(kABC);
    EditRow(0);
    EXPECT_TRUE(Type(kEditorItemUserName, "Ay"));
    std::filesystem::remove(store.WorkingCopyPath());
    const std::string missing = FrontWindow(Under(kAnswer, [&] { ShowAlert(context, fnfErr); }));
    EXPECT_EQ(Confirm(kAnswer), missing);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_FALSE(SAVE_BUTTON_Flag);
}
