#include "ModelessHelpDialogFixture.h"

#include "Dialogs/Dialog.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/Script.h"

#include <gmock/gmock.h>

using namespace testsupport;
using platform::quickdraw::DrawOp;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

using HelpWindowText = TestHelpWindowFixture;

} // namespace

TEST_F(HelpWindowText, TopicsShowTheirTextInItsStyleOrInTheSystemFont) {
    ScopedEnv english("LC_ALL", "C");
    Open(kHelpDialog, kThreeTopics);
    EXPECT_EQ(Text(), "Styled text");
    EXPECT_EQ(TextStyleAt(0).tsFont, kStyledFont);
    EXPECT_EQ(TextStyleAt(0).tsSize, kStyledSize);
    EXPECT_EQ(TextStyleAt(0).tsFace, bold);
    EXPECT_EQ(GetControlHilite(Rec()->scrollBar), kControlInactivePart) << "the text fits";

    Run("click row 1\n");
    EXPECT_EQ(Text(), "Plain text");
    EXPECT_EQ(TextStyleAt(0).tsFont, GetSysFont());
    EXPECT_EQ(TextStyleAt(0).tsSize, LMGetSysFontSize());

    Run("click row 2\n");
    EXPECT_EQ(Rec()->currentTopic, 2);
    EXPECT_EQ(Text(), "");
}

TEST_F(HelpWindowText, JapaneseTextsWithoutStylesAreSmaller) {
    ScopedEnv japanese("LC_ALL", "ja_JP.UTF-8");
    EXPECT_EQ(GetCurrentLanguageCode(), langJapanese);
    EXPECT_TRUE(CurrentLanguageIsJapanese());
    EXPECT_EQ(GetCurrentScriptCode(), smRoman);
    Open(kHelpDialog, kThreeTopics);
    Run("click row 1\n");
    EXPECT_EQ(TextStyleAt(0).tsFont, GetSysFont());
    EXPECT_EQ(TextStyleAt(0).tsSize, 9);

    ScopedEnv english("LC_ALL", "en_GB.UTF-8");
    EXPECT_EQ(GetCurrentLanguageCode(), langEnglish);
    EXPECT_FALSE(CurrentLanguageIsJapanese());
}

// Item 5 (160 wide, from 400 to 560 under the title's 16 to 400 at the top) draws the version
// "2.5" right-aligned on a baseline at 30, under a double rule at 32 and 34.
TEST_F(HelpWindowText, TheVersionIsDrawnWhenAskedFor) {
    Open(kHelpDialog, kThreeTopics, 0, {}, true);
    {
        SaveAndRestoreTheGrafPortClass port(GetDialogPort(help));
        TextSize(11);
    }
    DrawDialog(help);
    EXPECT_THAT(DrawnOf(DrawOp::Kind::Text), Contains("2.5 at 536,18 560,34"));
    EXPECT_THAT(DrawnOf(DrawOp::Kind::Line), ElementsAre("16,32 560,33", "16,34 560,35"));
    EXPECT_THAT(DrawnOf(DrawOp::Kind::RoundFrame), IsEmpty());
    EXPECT_EQ(help->defaultItem, 1);
    EXPECT_EQ(GetPortTextSize(GetDialogPort(help)), 11);
    DisposeModelessHelpDialog(&help);

    Open(kHelpDialog, kThreeTopics);
    DrawDialog(help);
    EXPECT_THAT(DrawnOf(DrawOp::Kind::Line), IsEmpty());
    EXPECT_THAT(DrawnOf(DrawOp::Kind::Text), Not(Contains("2.5 at 536,18 560,34")));
}
