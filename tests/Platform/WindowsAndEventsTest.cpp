#include "Events/EventSource.h"
#include "Platform/Events.h"
#include "Platform/MacWindows.h"
#include "TestSupport/HeadlessDriver.h"
#include "Windows/Window.h"

#include <gtest/gtest.h>
#include <optional>

using namespace platform;

namespace {

using HV = std::pair<int, int>;

class WindowsAndEvents : public ::testing::Test {
  protected:
    void Script(const std::string& text) { driver_.emplace(text); }
    // Content at (left, top), 320 by 160.
    WindowRef Make(const char* title, SInt16 left, SInt16 top, bool closeBox = true) {
        Rect content{top, left, SInt16(top + 160), SInt16(left + 320)};
        return windows::CreateWindow(content, title, true, closeBox, 0, WindowRef(-1));
    }
    EventRecord Next(EventMask mask = everyEvent & ~(activMask | updateMask)) {
        EventRecord event{};
        WaitNextEvent(mask, &event, 0x7FFFFFFF, nullptr);
        return event;
    }
    static UInt32 Char(const EventRecord& event) { return event.message & charCodeMask; }
    static unsigned long Msg(WindowRef window) { return reinterpret_cast<unsigned long>(window); }

    std::optional<testsupport::HeadlessDriver> driver_;
};

} // namespace

TEST_F(WindowsAndEvents, ActivateAndUpdateEventsFollowTheFrontWindow) {
    Script("");
    WindowRef first = Make("First", 80, 80);
    EventRecord event = Next(activMask | updateMask);
    EXPECT_EQ(event.what, activateEvt);
    EXPECT_EQ(event.message, Msg(first));
    EXPECT_TRUE(event.modifiers & activeFlag);
    EXPECT_EQ(Next(activMask | updateMask).what, updateEvt);

    WindowRef second = Make("Second", 200, 200);
    event = Next(activMask);
    EXPECT_EQ(event.message, Msg(first));
    EXPECT_FALSE(event.modifiers & activeFlag);
    event = Next(activMask);
    EXPECT_EQ(event.message, Msg(second));
    EXPECT_TRUE(event.modifiers & activeFlag);
    // A window that goes away is never named by a later event.
    DisposeWindow(second);
    event = Next(activMask);
    EXPECT_EQ(event.message, Msg(first));
    EXPECT_TRUE(event.modifiers & activeFlag);
}

TEST_F(WindowsAndEvents, ScriptedClicksKeysAndHighLevelEventsArriveInOrder) {
    Script("click 100 200\nclick 100 200\ndoubleclick 30 40\nkey e cmd at 5 6\ntype \"ab\"\n"
           "suspend\nresume\nquit\n");
    EventRecord down = Next(), up = Next(), second = Next();
    EXPECT_EQ(down.what, mouseDown);
    EXPECT_EQ(HV(down.where.h, down.where.v), HV(100, 200));
    EXPECT_EQ(up.what, mouseUp);
    EXPECT_GT(second.when - down.when, GetDblTime()); // separate lines never double click
    Next();
    EventRecord d1 = Next();
    Next();
    EXPECT_LE(Next().when - d1.when, GetDblTime());
    Next();
    EventRecord key = Next();
    EXPECT_EQ(key.what, keyDown);
    EXPECT_EQ(Char(key), UInt32('e'));
    EXPECT_TRUE(key.modifiers & cmdKey);
    EXPECT_EQ(key.where.h, 5);
    EXPECT_EQ(Char(Next()), UInt32('a'));
    EXPECT_EQ(Char(Next()), UInt32('b'));
    EventRecord suspend = Next(), resume = Next(), quit = Next();
    EXPECT_EQ(suspend.what, osEvt);
    EXPECT_EQ(suspend.message >> 24, suspendResumeMessage);
    EXPECT_EQ(suspend.message & resumeFlag, 0u);
    EXPECT_EQ(resume.message & resumeFlag, resumeFlag);
    EXPECT_EQ(quit.what, kHighLevelEvent);
    EXPECT_EQ(quit.message, 0x61657674u);                                                // 'aevt'
    EXPECT_EQ((UInt32(UInt16(quit.where.v)) << 16) | UInt16(quit.where.h), 0x71756974u); // 'quit'
    EXPECT_FALSE(driver_->ScriptEndedEarly());
}

TEST_F(WindowsAndEvents, DraggingAndTheCloseBoxTrackTheButton) {
    // The title bar moved by 60 across and 68 down; the close box released elsewhere, then in it.
    Script("drag 200 72 to 260 140\ndrag 150 140 to 400 300\nclick 150 140\n");
    WindowRef window = Make("Doc", 80, 80), hit; // title bar 64..80, close box from 80 to 104
    EventRecord down = Next(mDownMask);
    ASSERT_EQ(FindWindow(down.where, &hit), inDrag);
    Rect screen = {0, 0, 768, 1024};
    DragWindow(window, down.where, &screen);
    Rect content = windows::ContentBounds(window);
    EXPECT_EQ(HV(content.left, content.top), HV(140, 148));
    for (bool inside : {false, true}) {
        down = Next(mDownMask);
        ASSERT_EQ(FindWindow(down.where, &hit), inGoAway);
        EXPECT_EQ(TrackGoAway(window, down.where), inside);
    }
    // Dragging far off keeps the title bar reachable below the menu bar.
    MoveWindow(window, -2000, -500, false);
    DragWindow(window, Point{0, 0}, &screen);
    content = windows::ContentBounds(window);
    EXPECT_EQ(content.top, 32);
    EXPECT_EQ(content.right, kCloseBoxWidth);
}

TEST_F(WindowsAndEvents, ModalLoopsHoldBackTheQuitEventAndKeyEquivalents) {
    Script("quit\nkey q cmd\nkey x\n");
    int filtered = 0;
    events::SetKeyEquivalentFilter(
        [&](const EventRecord& e) { return ++filtered, Char(e) == 'q'; });
    {
        events::ModalScope modal;
        EventRecord event = Next();
        EXPECT_EQ(event.what, keyDown); // the quit event waits
        EXPECT_EQ(Char(event), UInt32('q'));
        EXPECT_EQ(filtered, 0);
    }
    EXPECT_EQ(Next().what, kHighLevelEvent);
    EXPECT_EQ(Char(Next()), UInt32('x'));
    events::SetKeyEquivalentFilter(nullptr);
}
