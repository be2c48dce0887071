#include "Korvane/NewJobAccountDialog.h"
#include "DataStoreSupport.h"
#include "Korvane/JobAccountDialog.h"
#include "Korvane/JobAccountDialogActions.h"
#include "Korvane/NewJobAccountDialogCheck.h"
#include "Korvane/ShowAlert.h"
#include "Korvane/Shutdown.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/MyResFile.h"
#include "Platform/MacErrors.h"
#include "TestSupport/HeadlessDriver.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::HasSubstr;

namespace {

const std::string kABC = "a,1,A\r\nb,2,B\r\nc,3,C\r\n";
const std::string kAnswer = "print\nkey return\n", kDecline = "print\nkey escape\n";

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
        SetField(prefs.name, "Korvane Preferences");
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
    void SelectRow(short row, Boolean on = true) {
        for (SInt16 column = 0; column < 2; ++column)
            LSetSelect(on, Cell{row, column}, context->settingPrivate->theList);
    }
    void EditRow(short row) {
        SelectRow(row);
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
        SetField(field, text);
        MySetIText(Editor(), item, field);
        NewJobAccountDialogItemProc(context, item);
        return MyGetControlHilite(Editor(), kEditorItemConfirm) == 0;
    }
    std::string Confirm(const std::string& script) {
        return FrontWindow(Under(
            script, [&] { JobAccountDialogItemProc(context, Editor(), kEditorItemConfirm); }));
    }
    std::string WorkingCopy() const { return ReadText(store.WorkingCopyPath()); }

    StoreContext store;
    GlueRec* context = store.context;
    HeadlessDriver display;
};

} // namespace

TEST_F(EntryEditor, CheckShowsTheAlertOfTheFirstBrokenRule) {
    const std::string user80(80, 'u');
    const struct {
        std::string login, id, user;
        short alert;
    } cases[] = {
        {"", "", "", 1100}, // before the ID is looked at
        {"ann lee", "1", "", 1108},
        {"ann", "1", "ann lee", 0},
        {"a,b", "1", "", 1108},
        {"a\"b", "1", "", 1108},
        {"a\x1f", "1", "", 1108},
        {std::string("a\0\t\x7f\x80\xff", 6), "1", "", 0},
        {std::string(255, 'a'), "1", "", 0},
        {"ann", "", "", 1102},
        {"ann", "012", "", 1102},
        {"ann", "1234567890", "", 1102},
        {"ann", "12a", "", 1102},
        {"ann", "999999999", "", 0},
        {"ann", "1", user80, 0},
        {"ann", "1", user80 + "u", 1101},
        {"ann", "1", "Lee, Ann", 1109},
        {"ann", "1", "A\"nn", 1109},
        {"ann", "1", "A\rnn", 1109},
        {"ann", "1", std::string("A\0\t\x7f\xc3\xa9", 6), 0},
        {"a b", "0", user80 + ",", 1108},
        {"ann", "0", user80 + ",", 1102},
        {"ann", "1", user80 + ",", 1101},
    };
    for (const auto& c : cases) {
        context->settingPrivate->editedEntry = Entry(c.login, c.id, c.user);
        short result = -1;
        const std::string shown =
            FrontWindow(Under(c.alert ? kAnswer : "", [&] { result = sampleCheckRange(context); }));
        EXPECT_EQ(result, c.alert) << c.login << "," << c.id << "," << c.user;
        EXPECT_EQ(shown, c.alert ? StopAlertShown(c.alert) : "") << c.login << "," << c.id;
    }
}

TEST_F(EntryEditor, ConfirmIsActiveOnlyWhileTheFieldsDifferFromTheReference) {
    OpenNew(Entry("ann", "", "ann"));
    EXPECT_EQ(GetWRefCon(GetDialogWindow(Editor())), SRefCon(context));
    EXPECT_EQ(GetDialogKeyboardFocusItem(Editor()), kEditorItemLoginName);
    EXPECT_EQ(MyGetControlHilite(Editor(), kEditorItemConfirm), 255);
    EXPECT_TRUE(Type(kEditorItemAccountID, "5"));
    EXPECT_FALSE(Type(kEditorItemAccountID, ""));
    EXPECT_TRUE(Type(kEditorItemUserName, "Ann")); // case counts
    EXPECT_FALSE(Type(kEditorItemUserName, "ann"));
    EXPECT_TRUE(Type(kEditorItemLoginName, "ann ")); // so does length
    EXPECT_FALSE(Type(kEditorItemLoginName, "ann"));

    // Refused values: the alert again at every press, the field selected, the editor open; they
    // become the reference. The checks go login name, ID, user name.
    EXPECT_TRUE(Type(kEditorItemAccountID, "12"));
    const struct {
        short item;
        std::string text;
        short alert;
    } refusals[] = {{kEditorItemUserName, "Lee, Ann", 1109},
                    {kEditorItemAccountID, "012", 1102},
                    {kEditorItemLoginName, "a b", 1108}};
    for (const auto& r : refusals) {
        EXPECT_TRUE(Type(r.item, r.text));
        for (int press = 0; press < 2; ++press) {
            EXPECT_EQ(Confirm(kAnswer), StopAlertShown(r.alert)) << r.text;
            ASSERT_NE(Editor(), nullptr);
            EXPECT_EQ(GetDialogKeyboardFocusItem(Editor()), r.item);
        }
        EXPECT_FALSE(Type(r.item, r.text));
    }
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

TEST_F(EntryEditor, NewEntriesGoToThePageStartOrReplaceAfterTheQuestion) {
    OpenList(kABC);
    OpenNew(Entry("d", "", "d"));
    EXPECT_TRUE(Type(kEditorItemAccountID, "4"));
    EXPECT_EQ(Confirm(""), "");
    EXPECT_EQ(WorkingCopy(), "d,4,d\r\n" + kABC);
    EXPECT_TRUE(SAVE_BUTTON_Flag);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ((*context->settingPrivate->theList)->dataBounds.bottom, 4);

    for (const std::string& script : {kDecline, kAnswer}) {
        OpenNew(Entry("b", "", "b"));
        EXPECT_TRUE(Type(kEditorItemAccountID, "9"));
        EXPECT_EQ(Confirm(script), ReplaceQuestion());
    }
    EXPECT_EQ(WorkingCopy(), "d,4,d\r\na,1,A\r\nb,9,b\r\nc,3,C\r\n");
}

TEST_F(EntryEditor, AnEditReplacesTheEntryItWasOpenedOn) {
    OpenList(kABC);
    EditRow(2);
    SelectRow(2, false);
    SelectRow(0); // another row selected meanwhile
    EXPECT_TRUE(Type(kEditorItemUserName, "Cee"));
    EXPECT_EQ(Confirm(""), "");
    EXPECT_EQ(WorkingCopy(), "c,3,Cee\r\na,1,A\r\nb,2,B\r\n");

    // Login name unchanged, selection lost: stored once, at the top, no question.
    EditRow(2);
    SelectRow(2, false);
    EXPECT_TRUE(Type(kEditorItemAccountID, "22"));
    EXPECT_EQ(Confirm(""), "");
    EXPECT_EQ(WorkingCopy(), "b,22,B\r\nc,3,Cee\r\na,1,A\r\n");
}

TEST_F(EntryEditor, AnEditToALoginNameTakenByAnotherEntryAsksFirst) {
    OpenList(kABC);
    EditRow(2);
    EXPECT_TRUE(Type(kEditorItemLoginName, "a"));
    EXPECT_EQ(Confirm(kDecline), ReplaceQuestion());
    EXPECT_EQ(WorkingCopy(), kABC); // the edited entry stays as it was

    EditRow(2);
    EXPECT_TRUE(Type(kEditorItemLoginName, "a"));
    EXPECT_EQ(Confirm(kAnswer), ReplaceQuestion());
    EXPECT_EQ(WorkingCopy(), "a,3,C\r\nb,2,B\r\n"); // a overwritten where it was, c gone
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

TEST_F(EntryEditor, HelpKeepsOneHelpWindow) {
    OpenNew(Entry("ann", "", "ann"));
    for (int press = 0; press < 2; ++press)
        JobAccountDialogItemProc(context, Editor(), kEditorItemHelp);
    EXPECT_NE(context->settingPrivate->helpDialog, nullptr);
    int windows = 0;
    for (WindowRef window = FrontWindow(); window; window = GetNextWindow(window))
        ++windows;
    EXPECT_EQ(windows, 2); // the editor and one help window
}
