// The application's menu bar from its interface file, a scripted headless display, and the
// event loop as the application runs it; no menu, handler or event is left behind. What the
// menu, command event and Apple event tests share.
#pragma once

#include "Menus/Menu.h"
#include "Platform/AppleEvents.h"
#include "Platform/CarbonEvents.h"
#include "Platform/MacWindows.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/HeadlessDriver.h"

#include <optional>
#include <vector>

class MenuFixture : public ::testing::Test {
  protected:
    // Every command event that reached a handler, and what the handler answered.
    struct CommandLog {
        OSStatus answer = noErr;
        std::vector<HICommand> commands;
    };

    void SetUp() override {
        IBNibRef nib = nullptr;
        ASSERT_EQ(CreateNibReference(CFSTR("Korvane"), &nib), noErr);
        ASSERT_EQ(SetMenuBarFromNib(nib, CFSTR("MainMenu")), noErr);
        DisposeNibReference(nib);
    }

    void TearDown() override {
        for (EventHandlerRef handler : handlers_)
            RemoveEventHandler(handler);
        AERemoveEventHandler(kCoreEventClass, kAEQuitApplication, nullptr, false);
        AERemoveEventHandler(kCoreEventClass, kAEQuitApplication, nullptr, true);
        while (!platform::menus::Bar().empty())
            DisposeMenu(platform::menus::Bar().front());
        driver_.reset();
        FlushEvents(everyEvent, 0);
    }

    static OSStatus LogCommand(EventHandlerCallRef, EventRef event, void* userData) {
        auto* log = static_cast<CommandLog*>(userData);
        HICommand command{};
        EXPECT_EQ(GetEventParameter(event, kEventParamDirectObject, typeHICommand, nullptr,
                                    sizeof command, nullptr, &command),
                  noErr);
        log->commands.push_back(command);
        return log->answer;
    }

    void Install(EventHandlerUPP handler, void* userData, UInt32 kind = kEventCommandProcess) {
        EventTypeSpec type{kEventClassCommand, kind};
        EventHandlerRef ref = nullptr;
        ASSERT_EQ(InstallApplicationEventHandler(handler, 1, &type, userData, &ref), noErr);
        handlers_.push_back(ref);
    }
    void InstallCommandHandler(CommandLog* log) { Install(LogCommand, log); }

    // The application's loop over the script: a click in the menu bar goes to MenuSelect, a
    // high-level event to AEProcessAppleEvent; keys are only noted.
    void RunScript(const std::string& script) {
        driver_.emplace(script);
        for (;;) {
            EventRecord event;
            bool got = WaitNextEvent(everyEvent & ~(activMask | updateMask), &event, 10, nullptr);
            if (driver_->ScriptEndedEarly()) return;
            if (got) Dispatch(event);
        }
    }

    static SInt32 MenuResult(MenuID menu, MenuItemIndex item) {
        return (SInt32(menu) << 16) | item;
    }

    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
    std::optional<testsupport::HeadlessDriver> driver_;
    std::vector<EventHandlerRef> handlers_;
    std::vector<SInt32> menuResults_;
    std::vector<OSErr> appleEventResults_;
    std::string keys_;

  private:
    void Dispatch(const EventRecord& event) {
        WindowRef window = nullptr;
        if (event.what == mouseDown && FindWindow(event.where, &window) == inMenuBar)
            menuResults_.push_back(MenuSelect(event.where));
        else if (event.what == keyDown)
            keys_ += char(event.message & charCodeMask);
        else if (event.what == kHighLevelEvent)
            appleEventResults_.push_back(AEProcessAppleEvent(&event));
    }
};
