#include "Platform/TextEdit.h"
#include "DialogTestFixture.h"
#include "Display/ModelPrinter.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "TextEdit/LineBreaks.h"
#include "TextEdit/StyleScrap.h"

using platform::quickdraw::DrawOp;
using platform::textedit::BreakLines;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// A text edit as the help window makes it: 39 characters wide, in a window of its own.
class TextEdit : public DialogFixture {
  protected:
    void SetUp() override {
        DialogFixture::SetUp();
        window_ = CurrentWindow(Rect{100, 100, 500, 600}, "Help");
    }
    void TearDown() override {
        TEDispose(text_);
        DialogFixture::TearDown();
    }

    TEHandle Make(SInt16 viewHeight) {
        Rect view{10, 10, SInt16(10 + viewHeight), 322}, dest = view;
        dest.bottom = 32767;
        return text_ = TEStyleNew(&dest, &view);
    }

    std::vector<DrawOp> Texts() const {
        std::vector<DrawOp> texts;
        for (const DrawOp& op : window_->port.drawn)
            if (op.kind == DrawOp::Kind::Text) texts.push_back(op);
        return texts;
    }

    std::string Described() const {
        std::ostringstream out;
        platform::display::PrintTextEdits(out, *platform::display::TakeSnapshot().Window(window_));
        return out.str();
    }

    WindowRef window_ = nullptr;
    TEHandle text_ = nullptr;
};

} // namespace

TEST(TextEditLines, BreakAfterReturnsAtSpacesAndInsideOverlongWords) {
    EXPECT_THAT(BreakLines("aaaa bbbb cccc\rdd", 80), ElementsAre(0, 10, 15));
    EXPECT_THAT(BreakLines("abcdefghijklmnopqrstuvwxy", 80), ElementsAre(0, 10, 20));
    EXPECT_THAT(BreakLines("aaaaaaaaaa   b", 80), ElementsAre(0, 13)); // spaces hang
    EXPECT_THAT(BreakLines("one\r", 80), ElementsAre(0));
    EXPECT_THAT(BreakLines("one\r\rtwo", 80), ElementsAre(0, 4, 5));
    // A character, not a byte, is 8 pixels wide.
    EXPECT_THAT(BreakLines("\xC3\xA9\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9", 32), ElementsAre(0, 7));
}

TEST_F(TextEdit, HeightGivesTheHelpWindowsScrollRangeAndScrollingShowsWholeLines) {
    TEHandle text = Make(308);
    std::string lines;
    for (int i = 0; i < 63; ++i)
        lines += "line " + std::to_string(i) + "\r";
    TEInsert(lines.data(), SInt32(lines.size()), text);
    const TERec& rec = **text;
    EXPECT_EQ(rec.nLines, 63);
    EXPECT_EQ(TEGetHeight(rec.nLines, 1, text) - (rec.viewRect.bottom - rec.viewRect.top), 700);
    EXPECT_EQ(TEGetHeight(5, 3, text), 48);
    EXPECT_EQ(TEGetHeight(99, 0, text), 1008);

    TEScroll(0, SInt16(rec.viewRect.top - rec.destRect.top - 600), text);
    std::vector<DrawOp> texts = Texts();
    ASSERT_EQ(texts.size(), 18u); // lines 38 to 55, and nothing left of the first view
    EXPECT_EQ(texts.front().text, "line 38");
    EXPECT_EQ(texts.front().rect.top, 10 + 38 * 16 - 600);
    EXPECT_EQ(texts.back().text, "line 55");
    EXPECT_THAT(Described(), ::testing::StartsWith("  text 63 lines, 1008 pixels high, scrolled "
                                                   "600\n    | line 38\n"));
}

TEST(TextEditStyleScrap, RunsAreReadBigEndianAndAShortLastRunIsLeftOut) {
    std::vector<UInt8> scrap = {
        0,    3,                                                     // three runs
        0,    0,    0,    0,    0,    16,   0, 12, 0, 4, 1, 0, 0, 9, // start 0, font 4, bold, 9
        0x11, 0x11, 0x22, 0x22, 0x33, 0x33,                          // colour
        0,    0,    1,    0,    0,    16,   0, 12, 0, 4, 4, 0, 0, 9, // start 256, underline
        0,    0,    0,    0,    0,    0,                             //
        0,    0,    2,    0,    0,    16};                           // cut short
    Handle handle = nullptr;
    ASSERT_EQ(PtrToHand(scrap.data(), &handle, Size(scrap.size())), noErr);
    auto runs = platform::textedit::ReadStyleScrap(reinterpret_cast<StScrpHandle>(handle));
    DisposeHandle(handle);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].style.tsFont, 4);
    EXPECT_EQ(runs[0].style.tsFace, bold);
    EXPECT_EQ(runs[0].style.tsSize, 9);
    EXPECT_EQ(runs[0].style.tsColor.blue, 0x3333);
    EXPECT_EQ(runs[1].start, 256);
    EXPECT_EQ(runs[1].style.tsFace, underline);
}
