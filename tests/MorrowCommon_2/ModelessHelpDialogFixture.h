// The help window under a headless script, on the application's resources or on a bundle of
// test resources, with its events routed as the application routes them.
#pragma once

#include "DialogTemplates.h"
#include "MorrowCommon_2/ModelessHelpDialog.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "TestSupport/DrawnOperations.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/ListCells.h"
#include "TestSupport/PString.h"
#include "TestSupport/RecordsBehind.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Test resources. Dialog 900 is laid out as the application's help window, with a text view of
// 300 pixels (from 52 to 352) and a topic list; dialog 901's item 3 is no control.
enum : SInt16 {
    kHelpDialog = 900,
    kDialogWithoutScrollBar = 901,
    kThreeTopics = 2000, // styled 2001, plain 2002, 2003 without a text
    kDamagedTopics = 2200,
    kTallTopics = 2300, // 63 lines (1008 pixels), 2100 lines, plain 2002
};
constexpr SInt16 kTextViewTop = 52, kTextViewHeight = 300;
constexpr SInt16 kStyledFont = 3, kStyledSize = 18;

// The count (as stated, or the true one), then 50 bytes a topic: the title in 48, the text ID.
inline std::vector<UInt8> HelpTable(const std::vector<std::pair<SInt16, std::string>>& topics,
                                    int statedCount = -1) {
    Bytes help;
    help.Big16(statedCount < 0 ? int(topics.size()) : statedCount);
    for (const auto& [textID, title] : topics) {
        const size_t start = help.bytes.size();
        help.Pascal(title).bytes.resize(start + 48);
        help.Big16(textID);
    }
    return help.bytes;
}

inline std::vector<UInt8> HelpItems(bool scrollBarIsControl) {
    const UInt8 user = userItem + itemDisable, text = statText + itemDisable;
    const struct {
        UInt8 kind;
        SInt16 left, top, width, height;
        std::vector<UInt8> data;
    } items[] = {
        {ctrlItem + btnCtrl, 480, 368, 80, 16, BytesOf("Close")},
        {user, 224, 48, 320, 308, {}},
        {UInt8(scrollBarIsControl ? ctrlItem + resCtrl : text), 544, 48, 16, 308, {0x03, 0x84}},
        {text, 16, 16, 384, 16, BytesOf("^0 Help")},
        {user, 400, 16, 160, 16, {}},
        {user, 16, 48, 192, 308, {}},
        {statText, 16, 368, 448, 16, BytesOf("Print")},
    };
    Bytes ditl;
    ditl.Big16(6);
    for (const auto& i : items)
        ditl.Item(i.kind, i.left, i.top, i.width, i.height, i.data);
    return ditl.bytes;
}

inline std::vector<UInt8> HelpTestResources() {
    std::string tall; // 63 lines
    for (int line = 1; line <= 63; ++line)
        tall += "line " + std::to_string(line) + "\r";
    // Invisible until the help window shows it; its content starts at (32, 64) on screen.
    auto dlog = [](SInt16 itemsID) {
        Bytes bytes;
        bytes.Box(32, 64, 576, 400).Big16({4, 0, 0, 0, 0, itemsID});
        return bytes.Pascal("Help").Even().Big16(0).bytes;
    };
    Bytes styl; // one style run: start, line height, ascent, font, face, size, colour
    styl.Big16({1, 0, 0, 16, 12, kStyledFont}).Byte(bold).Byte(0).Big16({kStyledSize, 0, 0, 0});
    ResourceFileImage image;
    image.entries = {
        Resource("DLOG", kHelpDialog, dlog(kHelpDialog)),
        Resource("DITL", kHelpDialog, HelpItems(true)),
        Resource("DLOG", kDialogWithoutScrollBar, dlog(kDialogWithoutScrollBar)),
        Resource("DITL", kDialogWithoutScrollBar, HelpItems(false)),
        Resource("CNTL", kHelpDialog, ControlTemplate(scrollBarProc)),
        Resource("Help", kThreeTopics,
                 HelpTable({{2001, "Styled"}, {2002, "Plain"}, {2003, "Missing"}})),
        Resource("Help", kDamagedTopics,
                 HelpTable({{2002, std::string(60, 'x')}, {2001, "Short"}}, 5)),
        Resource("Help", kTallTopics,
                 HelpTable({{2301, "Tall"}, {2302, "Very tall"}, {2002, "Plain"}})),
        Resource("TEXT", 2001, BytesOf("Styled text")),
        Resource("styl", 2001, styl.bytes),
        Resource("TEXT", 2002, BytesOf("Plain text")),
        Resource("TEXT", 2301, BytesOf(tall)),
        Resource("TEXT", 2302, std::vector<UInt8>(2100, '\r')),
    };
    return platform::resources::SerializeResourceFile(image);
}

// "left,top right,bottom", readable in a failure.
inline std::string Corners(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// The application's resources; TearDown closes a window the test left open.
class HelpWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override { PlatformResetResourceChain(); }
    void TearDown() override {
        DisposeModelessHelpDialog(&help);
        PlatformResetResourceChain();
    }

    // As the application opens it: one topic table, nothing excluded, no version.
    void Open(SInt16 dialogID, SInt16 helpID) {
        help = DisplayModelessHelp(dialogID, helpID, false, 0, 0, nullptr);
        ASSERT_NE(help, nullptr);
    }

    // The script's events go to the help window's filter first, then to the dialog; items hit
    // go to its item procedure. Ends with the script or the window.
    void Run(const std::string& script) {
        display.Script(script);
        while (help) {
            EventRecord event;
            WaitNextEvent(everyEvent, &event, 10, nullptr);
            if (display.ScriptEndedEarly()) break;
            Route(event);
        }
    }
    void Route(EventRecord& event) {
        DialogItemIndex item = 0;
        if (ModelessHelpDialogFilterProc(help, &event, &item)) {
            if (item) ModelessHelpDialogItemProc(&help, item);
            return;
        }
        DialogRef hit = nullptr;
        if (IsDialogEvent(&event) && DialogSelect(&event, &hit, &item) && hit == help)
            ModelessHelpDialogItemProc(&help, item);
    }

    HelpDlgRec* Rec() const { return reinterpret_cast<HelpDlgRec*>(GetWRefCon(Window())); }
    WindowRef Window() const { return GetDialogWindow(help); }

    // A point of the window's content, on screen, as a script writes it.
    std::string At(SInt16 h, SInt16 v) const {
        GrafPtr saved;
        GetPort(&saved);
        SetPort(GetDialogPort(help));
        Point onScreen{v, h};
        LocalToGlobal(&onScreen);
        SetPort(saved);
        return std::to_string(onScreen.h) + " " + std::to_string(onScreen.v);
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (SInt16 row = 0; row < RowCount(Rec()->topicList); ++row)
            rows.push_back(CellText(Rec()->topicList, Cell{row, 0}));
        return rows;
    }
    std::vector<short> TextIDs() const {
        const auto* ids = reinterpret_cast<const short*>(Rec()->topicTextIDs);
        return std::vector<short>(ids, ids + Rec()->topicCount);
    }
    // The selected row, -1 for none.
    SInt16 Selected() const {
        Cell cell{0, 0};
        return LGetSelect(true, &cell, Rec()->topicList) ? cell.v : SInt16(-1);
    }

    std::string Text() const {
        const TERec& text = **Rec()->textEdit;
        return std::string(*text.hText, size_t(text.teLength));
    }
    TextStyle TextStyleAt(SInt32 offset) const {
        return testsupport::TextStyleAt(Rec()->textEdit, offset);
    }
    // Pixels of text above the view.
    SInt16 Scrolled() const {
        const TERec& text = **Rec()->textEdit;
        return SInt16(text.viewRect.top - text.destRect.top);
    }
    SInt16 ScrollValue() const { return GetControlValue(Rec()->scrollBar); }
    SInt16 ScrollMaximum() const { return GetControlMaximum(Rec()->scrollBar); }

    std::string Title() const {
        Str255 title;
        MyGetIText(help, 4, title);
        return TextOf(title);
    }

    // What has been drawn of one kind: where, and for texts what.
    std::vector<std::string> DrawnOf(DrawnKind kind) const {
        std::vector<std::string> drawn;
        for (const Drawn& op : testsupport::DrawnOf(GetDialogPort(help), kind))
            drawn.push_back(op.text.empty() ? Corners(op.rect)
                                            : op.text + " at " + Corners(op.rect));
        return drawn;
    }

    HeadlessDriver display;
    PlatformScopedMainBundle bundle{KORVANE_BUILD_BUNDLE};
    DialogRef help = nullptr;
};

// The test resources of HelpTestResources as the application's resource file.
class TestHelpWindowFixture : public HelpWindowFixture {
  protected:
    ScopedResourceBundle resources{std::nullopt, HelpTestResources()};
};

} // namespace testsupport
