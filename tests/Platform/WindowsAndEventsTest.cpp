#include "Display/Headless/HeadlessBackend.h"
#include "Events/EventSource.h"
#include "Platform/Events.h"
#include "Platform/MacWindows.h"
#include "Windows/Window.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace platform;
using namespace platform::display;

namespace {

class WindowsAndEvents : public ::testing::Test {
  protected:
    void Script(const std::string& text) {
        std::istringstream in(text);
        HeadlessScript script = ParseHeadlessScript(in);
        ASSERT_EQ(script.error, "");
        auto backend = std::make_unique<HeadlessBackend>(script, out_, messages_);
        backend_ = backend.get();
        InstallBackend(std::move(backend));
    }
    void TearDown() override {
        while (!windows::WindowList().empty())
            DisposeWindow(windows::WindowList().front());
        FlushEvents(everyEvent, 0);
        InstallBackend(nullptr);
    }
    // Content at (left, top), width x height.
    WindowRef Make(const char* title, SInt16 left, SInt16 top, bool closeBox = true) {
        Rect content{top, left, SInt16(top + 160), SInt16(left + 320)};
        return windows::CreateWindow(content, title, true, closeBox, 0, WindowRef(-1));
    }
    EventRecord Next(EventMask mask = everyEvent) {
        EventRecord event{};
        WaitNextEvent(mask, &event, 0x7FFFFFFF, nullptr);
        return event;
    }

    std::ostringstream out_, messages_;
    HeadlessBackend* backend_ = nullptr;
};

} // namespace

TEST_F(WindowsAndEvents, FindWindowNamesEveryPartFrontToBack) {
    Script("");
    WindowRef back = Make("Back", 80, 80);
    WindowRef front = Make("Front", 240, 160);
    WindowRef hit = nullptr;
    EXPECT_EQ(FindWindow(Point{4, 100}, &hit), inMenuBar);
    EXPECT_EQ(FindWindow(Point{200, 300}, &hit), inContent);
    EXPECT_EQ(hit, front);
    EXPECT_EQ(FindWindow(Point{150, 400}, &hit), inDrag); // front's title bar
    EXPECT_EQ(FindWindow(Point{150, 250}, &hit), inGoAway);
    EXPECT_EQ(FindWindow(Point{100, 100}, &hit), inContent);
    EXPECT_EQ(hit, back);
    EXPECT_EQ(FindWindow(Point{700, 900}, &hit), inDesk);
    EXPECT_EQ(hit, nullptr);
    EXPECT_EQ(FrontWindow(), front);
    SelectWindow(back);
    EXPECT_EQ(FrontWindow(), back);
    EXPECT_EQ(GetNextWindow(back), front);
    HideWindow(back);
    EXPECT_EQ(FrontWindow(), front);

    Make("Plain", 500, 400, false);
    EXPECT_EQ(FindWindow(Point{390, 510}, &hit), inDrag); // no close box to hit
}

TEST_F(WindowsAndEvents, ActivateAndUpdateEventsFollowTheFrontWindow) {
    Script("");
    WindowRef first = Make("First", 80, 80);
    EventRecord event = Next(activMask | updateMask);
    EXPECT_EQ(event.what, activateEvt);
    EXPECT_EQ(event.message, reinterpret_cast<unsigned long>(first));
    EXPECT_TRUE(event.modifiers & activeFlag);
    event = Next(activMask | updateMask);
    EXPECT_EQ(event.what, updateEvt);

    WindowRef second = Make("Second", 200, 200);
    event = Next(activMask);
    EXPECT_EQ(event.message, reinterpret_cast<unsigned long>(first));
    EXPECT_FALSE(event.modifiers & activeFlag);
    event = Next(activMask);
    EXPECT_EQ(event.message, reinterpret_cast<unsigned long>(second));
    EXPECT_TRUE(event.modifiers & activeFlag);

    // A window that goes away is never named by a later event.
    DisposeWindow(second);
    event = Next(activMask);
    EXPECT_EQ(event.message, reinterpret_cast<unsigned long>(first));
    EXPECT_TRUE(event.modifiers & activeFlag);
}

TEST_F(WindowsAndEvents, ScriptedClicksKeysAndHighLevelEventsArriveInOrder) {
    Script("click 100 200\n"
           "click 100 200\n"
           "doubleclick 30 40\n"
           "key e cmd at 5 6\n"
           "type \"ab\"\n"
           "suspend\n"
           "resume\n"
           "quit\n");
    EventMask input = everyEvent & ~(activMask | updateMask);
    EventRecord down = Next(input), up = Next(input), second = Next(input);
    EXPECT_EQ(down.what, mouseDown);
    EXPECT_EQ(down.where.h, 100);
    EXPECT_EQ(down.where.v, 200);
    EXPECT_EQ(up.what, mouseUp);
    EXPECT_GT(second.when - down.when, GetDblTime()); // separate lines never double click
    Next(input);
    EventRecord d1 = Next(input);
    Next(input);
    EventRecord d2 = Next(input);
    EXPECT_LE(d2.when - d1.when, GetDblTime());
    Next(input);
    EventRecord key = Next(input);
    EXPECT_EQ(key.what, keyDown);
    EXPECT_EQ(key.message & charCodeMask, UInt32('e'));
    EXPECT_TRUE(key.modifiers & cmdKey);
    EXPECT_EQ(key.where.h, 5);
    EXPECT_EQ(Next(input).message & charCodeMask, UInt32('a'));
    EXPECT_EQ(Next(input).message & charCodeMask, UInt32('b'));
    EventRecord suspend = Next(input), resume = Next(input);
    EXPECT_EQ(suspend.what, osEvt);
    EXPECT_EQ(suspend.message >> 24, suspendResumeMessage);
    EXPECT_EQ(suspend.message & resumeFlag, 0u);
    EXPECT_EQ(resume.message & resumeFlag, resumeFlag);
    EventRecord quit = Next(input);
    EXPECT_EQ(quit.what, kHighLevelEvent);
    EXPECT_EQ(quit.message, 0x61657674u);                                                // 'aevt'
    EXPECT_EQ((UInt32(UInt16(quit.where.v)) << 16) | UInt16(quit.where.h), 0x71756974u); // 'quit'
    EXPECT_FALSE(backend_->ScriptEndedEarly());
}

TEST_F(WindowsAndEvents, DraggingAndTheCloseBoxTrackTheButton) {
    Script("drag 200 72 to 260 140\n"       // the title bar, moved by 60 across and 68 down
           "drag 150 140 to 400 300\n"      // the close box, released elsewhere
           "click 150 140\n");              // the close box, released inside it
    WindowRef window = Make("Doc", 80, 80); // title bar 64..80, close box from 80 to 104
    EventRecord down = Next(mDownMask);
    WindowRef hit;
    ASSERT_EQ(FindWindow(down.where, &hit), inDrag);
    Rect screen = {0, 0, 768, 1024};
    DragWindow(window, down.where, &screen);
    Rect content = windows::ContentBounds(window);
    EXPECT_EQ(content.left, 140);
    EXPECT_EQ(content.top, 148);

    down = Next(mDownMask);
    ASSERT_EQ(FindWindow(down.where, &hit), inGoAway);
    EXPECT_FALSE(TrackGoAway(window, down.where));
    down = Next(mDownMask);
    ASSERT_EQ(FindWindow(down.where, &hit), inGoAway);
    EXPECT_TRUE(TrackGoAway(window, down.where));

    // Dragging far off keeps the title bar reachable below the menu bar.
    Point far{-500, -2000};
    MoveWindow(window, far.h, far.v, false);
    DragWindow(window, Point{0, 0}, &screen);
    content = windows::ContentBounds(window);
    EXPECT_EQ(content.top, 32);
    EXPECT_EQ(content.right, kCloseBoxWidth);
}

TEST_F(WindowsAndEvents, ModalLoopsHoldBackTheQuitEventAndKeyEquivalents) {
    Script("quit\nkey q cmd\nkey x\n");
    int filtered = 0;
    events::SetKeyEquivalentFilter([&](const EventRecord& e) {
        ++filtered;
        return (e.message & charCodeMask) == 'q';
    });
    {
        events::ModalScope modal;
        EventRecord event = Next(everyEvent & ~(activMask | updateMask));
        EXPECT_EQ(event.what, keyDown); // the quit event waits
        EXPECT_EQ(event.message & charCodeMask, UInt32('q'));
        EXPECT_EQ(filtered, 0);
    }
    EventRecord event = Next(everyEvent & ~(activMask | updateMask));
    EXPECT_EQ(event.what, kHighLevelEvent);
    event = Next(everyEvent & ~(activMask | updateMask));
    EXPECT_EQ(event.message & charCodeMask, UInt32('x'));
    events::SetKeyEquivalentFilter(nullptr);
}

TEST_F(WindowsAndEvents, TheModelPrintsAndAnEndedScriptAsksTheProgramToQuit) {
    Script("wait 30\nprint\n");
    Make("Job Account", 80, 80);
    Next(activMask);
    EventRecord event = Next(everyEvent & ~(activMask | updateMask));
    EXPECT_EQ(out_.str(), "--- screen at tick 90 ---\n"
                          "window \"Job Account\" application window front closable at 80,80 "
                          "size 320x160\n"
                          "---\n");
    EXPECT_EQ(event.what, kHighLevelEvent);
    EXPECT_TRUE(backend_->ScriptEndedEarly());
    EXPECT_NE(messages_.str().find("script ended"), std::string::npos);
    event = Next(everyEvent & ~(activMask | updateMask));
    EXPECT_EQ(event.message & charCodeMask, 27u); // then every modal dialog is cancelled
}
