#include "DataStoreSupport.h"
#include "Korvane/SavedDialogPosition.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "Platform/Display.h"
#include "ShellFixture.h"

#include <fstream>
#include <gmock/gmock.h>
#include <vector>

using namespace testsupport;

namespace {

constexpr short kListDialogID = 1007, kEditorID = 1008;
constexpr DialogItemIndex kOK = 1, kCancel = 3, kHelp = 4;

// Stands in for the application's event loop, which comes later: the list dialog with the entry
// editor over it, both made through GetSavedDialog, and their item hits through DialogSelect.
// The editor's Help is inactive; OK asks with caution alert 1011; Cancel closes the editor. The
// quit event ends the loop; every dialog still open is closed with its position recorded.
class EditorLoop {
  public:
    explicit EditorLoop(GlueRec* context) : context_(context) {
        list_ = Open(kListDialogID);
        editor_ = Open(kEditorID);
        MySetControlInactive(editor_, kHelp);
    }
    ~EditorLoop() {
        Close(&editor_, kEditorID);
        Close(&list_, kListDialogID);
    }

    void Run() {
        for (;;) {
            EventRecord event;
            if (!WaitNextEvent(everyEvent, &event, 30, nullptr)) continue;
            if (event.what == kHighLevelEvent) return;
            DialogRef dialog = nullptr;
            DialogItemIndex item = 0;
            if (IsDialogEvent(&event) && DialogSelect(&event, &dialog, &item) && dialog == editor_)
                EditorHit(item);
        }
    }

    std::vector<DialogItemIndex> editorHits, alertAnswers;

  private:
    DialogRef Open(short dialogID) {
        DialogRef dialog = GetSavedDialog(context_, dialogID, nullptr, WindowRef(-1));
        if (dialog) ShowWindow(GetDialogWindow(dialog));
        return dialog;
    }
    void Close(DialogRef* dialog, short dialogID) {
        SaveTheDialogPosition(context_, *dialog, dialogID);
        DisposeDialog(*dialog);
        *dialog = nullptr;
    }
    void EditorHit(DialogItemIndex item) {
        editorHits.push_back(item);
        if (item == kOK) alertAnswers.push_back(CautionAlert(1011, nullptr));
        if (item == kCancel) Close(&editor_, kEditorID);
    }

    GlueRec* context_;
    DialogRef list_ = nullptr, editor_ = nullptr;
};

using HeadlessEndToEnd = ShellFixture;

std::string DataPath(const std::string& name) {
    return std::string(KORVANE_SOURCE_DIR) + "/tests/Korvane/data/" + name;
}

} // namespace

TEST_F(HeadlessEndToEnd, EditorOverTheListTakesClicksTypingAndAnAlert) {
    display.Script(ReadText(DataPath("EditorOverList.script")));
    {
        EditorLoop loop(&context);
        loop.Run();
        EXPECT_THAT(loop.editorHits, ::testing::Not(::testing::Contains(kHelp)));
        EXPECT_EQ(loop.editorHits.size(), 18u); // 14 keys, 2 tabs, OK and Cancel
        EXPECT_EQ(loop.alertAnswers, std::vector<DialogItemIndex>{2});
    }
    EXPECT_FALSE(display.ScriptEndedEarly());
    EXPECT_EQ(display.Printouts(), ReadText(DataPath("EditorOverList.expected")));
    EXPECT_EQ(SavedPosition(kEditorID), (DialogPositionRec{112, 64}));
    EXPECT_EQ(SavedPosition(kListDialogID), (DialogPositionRec{48, 40}));
}

TEST_F(HeadlessEndToEnd, AScriptThatEndsEarlyCancelsTheAlertAndEndsTheProgram) {
    TempFolder scripts;
    const std::string path = scripts / "early.script";
    std::ofstream(path) << "type \"ann\"\nclick item 1\n";
    EXPECT_EXIT(
        {
            PlatformUseHeadlessDisplay(path.c_str());
            {
                EditorLoop loop(&context);
                loop.Run();
                std::cerr << "alert answered with item " << loop.alertAnswers.at(0) << "\n";
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(kHeadlessScriptEndedEarlyStatus),
        "script ended before the program did.*alert answered with item 2.*exit status 3");
    EXPECT_EQ(SavedPosition(kEditorID), (DialogPositionRec{112, 64}));
    EXPECT_EQ(SavedPosition(kListDialogID), (DialogPositionRec{48, 40}));
}
