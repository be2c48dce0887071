// The file dialogs on the headless display, answered by the script. A put-file dialog's
// callback is recorded as the export's callback uses it: the reply taken on the user's action,
// and the dialog disposed of when it terminates.
#include "Platform/Navigation.h"
#include "Platform/Dialogs.h"
#include "Platform/MacErrors.h"
#include "TestSupport/ChooserScene.h"
#include "Windows/Window.h"

#include <gmock/gmock.h>

using namespace testsupport;
using platform::windows::WindowList;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

// A dialog of the system file that stands for one of the application's windows.
DialogRef SomeDialog(WindowRef behind = reinterpret_cast<WindowRef>(-1)) {
    return GetNewDialog(-4000, nullptr, behind);
}

std::string PathOfRef(const AEDesc& item) {
    FSRef ref{};
    AEGetDescData(&item, &ref, sizeof ref);
    UInt8 path[1024] = {};
    FSRefMakePath(&ref, path, sizeof path);
    return reinterpret_cast<char*>(path);
}

struct GetFileAnswer {
    OSErr err = noErr;
    bool valid = false;
    std::string path;
};

// The open dialog's answer, asked as the import asks: any type, from the default location.
GetFileAnswer GetFile() {
    NavReplyRecord reply;
    GetFileAnswer answer;
    answer.err = NavGetFile(nullptr, &reply, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    answer.valid = reply.validRecord;
    AEDesc item;
    if (answer.valid && AEGetNthDesc(&reply.selection, 1, typeWildCard, nullptr, &item) == noErr) {
        EXPECT_EQ(item.descriptorType, typeFSRef);
        answer.path = PathOfRef(item);
        AEDisposeDesc(&item);
    }
    NavDisposeReply(&reply);
    return answer;
}

struct NavigationRecorder {
    std::vector<NavEventCallbackMessage> selectors; // without kNavCBEvent
    std::vector<EventRecord> events;                // of kNavCBEvent
    NavUserAction action = kNavUserActionNone;
    bool validReply = false, replacing = false, stationery = false;
    std::string folder, name;

    NavDialogRef PutFileDialog(WindowRef parent = nullptr) {
        NavDialogCreationOptions options;
        NavGetDefaultDialogCreationOptions(&options);
        options.clientName = CFSTR("Korvane");
        options.saveFileName = CFSTR("Export.txt");
        if (parent) {
            options.modality = kWindowModalityWindowModal;
            options.parentWindow = parent;
        }
        NavDialogRef dialog = nullptr;
        NavCreatePutFileDialog(&options, FOUR_CHAR_CODE("TEXT"), FOUR_CHAR_CODE("ttxt"),
                               NewNavEventUPP(Callback), this, &dialog);
        return dialog;
    }

  private:
    static void Callback(NavEventCallbackMessage selector, NavCBRecPtr params, void* data) {
        auto* recorder = static_cast<NavigationRecorder*>(data);
        if (selector == kNavCBEvent) {
            recorder->events.push_back(*params->eventData.eventDataParms.event);
            return;
        }
        recorder->selectors.push_back(selector);
        if (selector == kNavCBUserAction) recorder->TakeReply(params);
        if (selector == kNavCBTerminate) NavDialogDispose(params->context);
    }

    void TakeReply(NavCBRecPtr params) {
        action = params->userAction;
        NavReplyRecord reply;
        ASSERT_EQ(NavDialogGetReply(params->context, &reply), noErr);
        validReply = reply.validRecord;
        replacing = reply.replacing;
        stationery = reply.isStationery;
        AEDesc item;
        if (AEGetNthDesc(&reply.selection, 1, typeWildCard, nullptr, &item) == noErr) {
            folder = PathOfRef(item);
            AEDisposeDesc(&item);
        }
        char text[256] = {};
        if (reply.saveFileName)
            CFStringGetCString(reply.saveFileName, text, sizeof text, kCFStringEncodingUTF8);
        name = text;
        NavDisposeReply(&reply);
    }
};

// The application's own loop until the script is over: the keys and clicks it was given.
std::vector<std::string> RunApplicationLoop(HeadlessDriver& display) {
    std::vector<std::string> seen;
    while (!display.ScriptEndedEarly()) {
        EventRecord e;
        if (!WaitNextEvent(everyEvent, &e, 10, nullptr)) continue;
        if (e.what == keyDown)
            seen.push_back("key " + std::string(1, char(e.message & charCodeMask)) +
                           (e.modifiers & cmdKey ? " cmd" : ""));
        if (e.what == mouseDown)
            seen.push_back("click " + std::to_string(e.where.h) + " " + std::to_string(e.where.v));
    }
    return seen;
}

} // namespace

TEST(NavigationOpen, FollowsTypedPathsAndHidesSidecars) {
    ChooserScene scene;
    // Notes.txt is typed in a sidecar, as earlier versions kept types; ._Notes.txt is never
    // offered.
    scene.File("Notes.txt");
    ASSERT_TRUE(WriteEarlierSidecar(scene.Path("Notes.txt"), FOUR_CHAR_CODE("TEXT"), 0));
    scene.Folder("Sub");
    scene.File("Sub/Inner.txt", FOUR_CHAR_CODE("TEXT"));
    scene.Script("print\nchoose \"Sub\"\nprint\nchoose \"../Missing.txt\"\n"
                 "choose \"..\"\nchoose \"._Notes.txt\"\nchoose \"Notes.txt\"\n");
    GetFileAnswer answer = GetFile();
    EXPECT_EQ(answer.err, noErr);
    EXPECT_TRUE(answer.valid);
    EXPECT_EQ(answer.path, scene.Path("Notes.txt"));
    const std::string printed = scene.Display().Printouts();
    EXPECT_THAT(printed,
                HasSubstr("  item 1 button \"Open\" active default\n"
                          "  item 2 button \"Cancel\" active cancel\n"
                          "  item 3 edit \"\" focus caret 0\n"
                          "  item 4 static \"In: " +
                          scene.folder.str() +
                          "\" disabled\n"
                          "  item 5 user disabled\n"
                          "  item 6 static \"Name:\" disabled\n"
                          "  list 3 rows x 1 column, top row 0, nothing selected\n"
                          "    row 0: \"..\"\n    row 1: \"Notes.txt\"\n    row 2: \"Sub/\"\n"));
    EXPECT_THAT(printed, HasSubstr("  item 4 static \"In: " + scene.Path("Sub") +
                                   "\" disabled\n  item 5 user disabled\n"
                                   "  item 6 static \"Name:\" disabled\n"
                                   "  list 2 rows x 1 column, top row 0, nothing selected\n"
                                   "    row 0: \"..\"\n    row 1: \"Inner.txt\"\n"));
    EXPECT_THAT(printed, ::testing::Not(HasSubstr("._")));
    EXPECT_EQ(scene.Beeps(), 2u);
    EXPECT_FALSE(scene.Display().ScriptEndedEarly());
}

TEST(NavigationOpen, RowsAreClickedIntoTheFieldAndOpenedWhenDoubleClicked) {
    ChooserScene scene;
    scene.File("Data.csv");
    scene.File("Notes.txt");
    scene.Folder("Sub");
    scene.File("Sub/Inner.txt");
    scene.Script("click row 2\nprint\ndoubleclick row 3\ndoubleclick row 1\n"); // row 3 is Sub/
    EXPECT_EQ(GetFile().path, scene.Path("Sub/Inner.txt"));
    const std::string printed = scene.Display().Printouts();
    EXPECT_THAT(printed, HasSubstr("  item 3 edit \"Notes.txt\" focus selection 0-9\n"));
    EXPECT_THAT(printed, HasSubstr("    row 2: \"Notes.txt\" selected\n"));
    EXPECT_THAT(printed, HasSubstr("    row 1: \"Data.csv\"\n"));
}

TEST(NavigationPutFile, AsksBeforeReplacingAndRefusesImpossibleNames) {
    ChooserScene scene;
    scene.File("Old.txt");
    // The first replace alert is cancelled, and the chooser stays.
    scene.Script("choose \"Old.txt\"\nprint\nclick item 2\nchoose \"Nowhere/New.txt\"\n"
                 "choose \"._New.txt\"\nchoose \"Old.txt\"\nclick item 1\n");
    NavigationRecorder recorder;
    EXPECT_EQ(NavDialogRun(recorder.PutFileDialog()), noErr);
    EXPECT_EQ(recorder.action, kNavUserActionSaveAs);
    EXPECT_EQ(recorder.folder, scene.folder.str());
    EXPECT_EQ(recorder.name, "Old.txt");
    EXPECT_TRUE(recorder.replacing);
    EXPECT_FALSE(recorder.stationery);
    EXPECT_THAT(scene.Display().Printouts(),
                HasSubstr("  alert caution\n  item 1 button \"Replace\" active\n"
                          "  item 2 button \"Cancel\" active default cancel\n"
                          "  item 3 static \"\xE2\x80\x9COld.txt\xE2\x80\x9D already exists."));
    EXPECT_EQ(scene.Beeps(), 2u);
    EXPECT_FALSE(scene.Display().ScriptEndedEarly());
}

// A name longer than a file name may be is cut to its first 255 UTF-16 units, and to whole
// characters the file system can hold, rather than refused.
TEST(NavigationPutFile, CutsANameTooLongForAFile) {
    std::string accented;
    for (int i = 0; i < 200; ++i)
        accented += "\xC3\xA9"; // two bytes, one unit
    const std::pair<std::string, std::string> cases[] = {
        {std::string(300, 'a') + ".txt", std::string(255, 'a')},
        {accented, accented.substr(0, 254)},
    };
    for (const auto& [typed, kept] : cases) {
        ChooserScene scene;
        scene.Script("choose \"" + typed + "\"\n");
        NavigationRecorder recorder;
        EXPECT_EQ(NavDialogRun(recorder.PutFileDialog()), noErr);
        EXPECT_EQ(recorder.action, kNavUserActionSaveAs);
        EXPECT_EQ(recorder.name, kept);
        EXPECT_EQ(scene.Beeps(), 0u);
    }
}

TEST(NavigationSheet, LetsTheApplicationRunAndAnswersFromInsideItsLoop) {
    ChooserScene scene;
    WindowRef parent = GetDialogWindow(SomeDialog());
    WindowRef other = GetDialogWindow(SomeDialog(nullptr));
    MoveWindow(other, 16, 560, false);
    Rect box = platform::windows::ContentBounds(other);
    Rect title = platform::windows::TitleBarBounds(parent);
    const std::string otherClick = "click " + std::to_string((box.left + box.right) / 2) + " " +
                                   std::to_string((box.top + box.bottom) / 2);
    // A menu key and a click in another window are the application's; the click on the parent's
    // title bar is the sheet's, which blocks the parent.
    scene.Script("key e cmd\n" + otherClick + "\nclick " + std::to_string(title.right - 16) + " " +
                 std::to_string(title.top + 8) + "\nchoose \"Report.txt\"\n");
    NavigationRecorder recorder;
    ASSERT_EQ(NavDialogRun(recorder.PutFileDialog(parent)), noErr);
    EXPECT_THAT(recorder.selectors, IsEmpty()); // still running
    WindowRef sheet = FrontWindow();
    ASSERT_NE(sheet, parent);
    EXPECT_EQ(platform::windows::TitleBarBounds(sheet).top,
              platform::windows::ContentBounds(parent).top); // hangs from the parent's title

    // What was typed for the sheet never reached the application.
    EXPECT_THAT(RunApplicationLoop(scene.Display()), ElementsAre("key e cmd", otherClick));
    EXPECT_THAT(recorder.selectors, ElementsAre(kNavCBUserAction, kNavCBTerminate));
    EXPECT_EQ(recorder.action, kNavUserActionSaveAs);
    EXPECT_EQ(recorder.folder, scene.folder.str());
    EXPECT_EQ(recorder.name, "Report.txt");
    EXPECT_EQ(WindowList().size(), 2u); // the sheet is gone
}
