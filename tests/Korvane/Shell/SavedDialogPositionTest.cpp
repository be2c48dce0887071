#include "Korvane/Shell/SavedDialogPosition.h"
#include "Korvane/ShellFixture.h"

#include <cstring>

using namespace testsupport;

namespace {

using SavedDialogPosition = ShellFixture;

constexpr DialogPositionRec kNotRecorded = {-1, -1};

} // namespace

TEST_F(SavedDialogPosition, RecordIsMadeOnOpeningAndWrittenOnlyOnClosing) {
    const SInt16 current = CurResFile();
    DialogRef editor = GetSavedDialog(&context, 1008, nullptr, WindowRef(-1));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(CurResFile(), current);
    EXPECT_EQ(SavedPosition(1008), kNotRecorded);
    EXPECT_EQ(SavedPosition(1007), std::nullopt); // the list dialog never opened

    MoveWindow(GetDialogWindow(editor), 200, 96, false);
    EXPECT_EQ(SavedPosition(1008), kNotRecorded);
    GrafPtr before, after;
    GetPort(&before);
    SaveTheDialogPosition(&context, editor, 1008);
    GetPort(&after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(CurResFile(), current);
    EXPECT_EQ(SavedPosition(1008), (DialogPositionRec{96, 200}));

    // Opening again leaves the recorded position; closing again overwrites it.
    DisposeDialog(editor);
    editor = GetSavedDialog(&context, 1008, nullptr, WindowRef(-1));
    EXPECT_EQ(SavedPosition(1008), (DialogPositionRec{96, 200}));
    MoveWindow(GetDialogWindow(editor), 8, 48, false);
    SaveTheDialogPosition(&context, editor, 1008);
    EXPECT_EQ(SavedPosition(1008), (DialogPositionRec{48, 8}));

    SaveTheDialogPosition(&context, nullptr, 1007);
    EXPECT_EQ(SavedPosition(1007), std::nullopt);
}

TEST_F(SavedDialogPosition, AMissingPreferencesFileDoesNotStopTheDialog) {
    std::memcpy(context.prefsFileSpec.name, "\x07Missing", 8);
    DialogRef list = GetSavedDialog(&context, 1007, nullptr, WindowRef(-1));
    EXPECT_NE(list, nullptr);
    SaveTheDialogPosition(&context, list, 1007);
    EXPECT_EQ(GetSavedDialog(&context, 4242, nullptr, WindowRef(-1)), nullptr); // no template
}
