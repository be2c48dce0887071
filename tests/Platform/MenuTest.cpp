// The application's menu bar from its interface file, a scripted headless display, and the
// event loop as the application runs it; no menu, handler or event is left behind.
#include "Menus/Menu.h"
#include "Events/EventSource.h"
#include "Platform/CarbonEvents.h"
#include "Platform/MacWindows.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/HeadlessDriver.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

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

    void Install(EventHandlerUPP handler, void* userData) {
        EventTypeSpec type{kEventClassCommand, kEventCommandProcess};
        EventHandlerRef ref = nullptr;
        ASSERT_EQ(InstallApplicationEventHandler(handler, 1, &type, userData, &ref), noErr);
        handlers_.push_back(ref);
    }

    // The application's loop over the script: a click in the menu bar goes to MenuSelect, a
    // high-level event to AEProcessAppleEvent; keys are only noted.
    void RunScript(const std::string& script) {
        driver_.emplace(script);
        for (;;) {
            EventRecord event;
            bool got = WaitNextEvent(everyEvent & ~(activMask | updateMask), &event, 10, nullptr);
            if (driver_->ScriptEndedEarly()) return;
            WindowRef window = nullptr;
            if (!got) continue;
            if (event.what == mouseDown && FindWindow(event.where, &window) == inMenuBar)
                menuResults_.push_back(MenuSelect(event.where));
            else if (event.what == keyDown)
                keys_ += char(event.message & charCodeMask);
        }
    }

    static SInt32 MenuResult(MenuID menu, MenuItemIndex item) {
        return (SInt32(menu) << 16) | item;
    }
    // What MenuSelect does once the item is found.
    static SInt32 Choose(MenuID menu, MenuItemIndex item) {
        return platform::menus::Choose(GetMenuHandle(menu), item);
    }

    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
    std::optional<testsupport::HeadlessDriver> driver_;
    std::vector<EventHandlerRef> handlers_;
    std::vector<SInt32> menuResults_;
    std::string keys_;
};

} // namespace

TEST_F(MenuFixture, AMissingOrMalformedInterfaceLeavesTheMenuBarAlone) {
    IBNibRef nib = nullptr;
    EXPECT_EQ(CreateNibReference(CFSTR("Missing"), &nib), kIBCarbonRuntimeCantFindNibFile);

    namespace fs = std::filesystem;
    fs::path bundle = fs::temp_directory_path() / ("MenuTest-" + std::to_string(getpid()) + ".app");
    fs::create_directories(bundle / "Contents/Resources");
    std::ofstream(bundle / "Contents/Resources/Bad.nib.xml")
        << "<interface><menubar name=\"MainMenu\"><menu id=\"5\" title=\"A\">"
           "<item title=\"B\" command=\"1\" key=\"BB\"/></menu></menubar></interface>";
    {
        PlatformScopedMainBundle scoped(bundle.c_str());
        ASSERT_EQ(CreateNibReference(CFSTR("Bad"), &nib), noErr);
        EXPECT_EQ(SetMenuBarFromNib(nib, CFSTR("Other")), kIBCarbonRuntimeCantFindObject);
        EXPECT_EQ(SetMenuBarFromNib(nib, CFSTR("MainMenu")),
                  kIBCarbonRuntimeObjectNotOfRequestedType);
        DisposeNibReference(nib);
    }
    fs::remove_all(bundle);
    EXPECT_NE(GetMenuHandle(131), nullptr);
    EXPECT_EQ(GetMenuHandle(5), nullptr);
}

TEST_F(MenuFixture, AChosenMenuItemReachesTheHandlerOnce) {
    CommandLog log;
    Install(LogCommand, &log);
    // The drags go from the Sort title to its second item, then to below the menu.
    RunScript("menu \"Sort\" \"By ID\"\nmenu \"File\" \"Import CSV…\"\n"
              "drag 160 8 to 220 40\ndrag 160 8 to 160 200\n");
    ASSERT_EQ(log.commands.size(), 3u);
    EXPECT_EQ(log.commands[0].commandID, 17u);
    EXPECT_EQ(log.commands[0].attributes, kHICommandFromMenu);
    EXPECT_EQ(log.commands[0].menu.menuRef, GetMenuHandle(131));
    EXPECT_EQ(log.commands[0].menu.menuItemIndex, 3);
    EXPECT_EQ(log.commands[1].commandID, 10u);
    EXPECT_EQ(log.commands[2].commandID, 16u);
    EXPECT_EQ(menuResults_, (std::vector<SInt32>{0, 0, 0, 0}));
    EXPECT_EQ(platform::menus::HilitedMenu(), 0);
}

TEST_F(MenuFixture, WhatNoHandlerTakesComesBackAsTheMenuResult) {
    CommandLog log{eventNotHandledErr, {}};
    Install(LogCommand, &log);
    DisableMenuItem(GetMenuHandle(130), 4);
    RunScript("menu \"Edit\" \"Cut\"\nmenu \"Edit\" \"Copy\"\nmenu \"Korvane\" \"-\"\n");
    // A disabled item and a separator are never chosen, so no command is sent for them.
    ASSERT_EQ(log.commands.size(), 1u);
    EXPECT_EQ(menuResults_, (std::vector<SInt32>{MenuResult(130, 3), 0, 0}));
    EXPECT_EQ(Choose(130, 3), MenuResult(130, 3));
    EXPECT_EQ(platform::menus::HilitedMenu(), 130); // for the application to remove
}

TEST_F(MenuFixture, KeyEquivalentsOfEnabledItemsAreTakenBeforeTheApplication) {
    CommandLog log;
    Install(LogCommand, &log);
    DisableMenuItem(GetMenuHandle(129), 2); // Import CSV…
    platform::menus::ItemOf(GetMenuHandle(130), 1)->command = 0;
    // Cmd-I is disabled, no item has Cmd-E, and Cmd-Z, with no command to send, is swallowed.
    RunScript("key 2 cmd\nkey i cmd\nkey e cmd\nkey 3\nkey z cmd\n");
    ASSERT_EQ(log.commands.size(), 1u);
    EXPECT_EQ(log.commands[0].commandID, 16u);
    EXPECT_EQ(keys_, "ie3");
    EXPECT_EQ(platform::menus::HilitedMenu(), 0);
}

TEST_F(MenuFixture, ModalLoopsSendNoCommandEventsAndTakeNoKeys) {
    CommandLog log;
    Install(LogCommand, &log);
    {
        platform::events::ModalScope modal;
        RunScript("key 1 cmd\nmenu \"Sort\" \"By ID\"\n");
        EXPECT_EQ(Choose(131, 2), MenuResult(131, 2));
    }
    EXPECT_TRUE(log.commands.empty());
    EXPECT_EQ(keys_, "1");
    EXPECT_EQ(menuResults_, (std::vector<SInt32>{MenuResult(131, 3)}));
    EXPECT_EQ(Choose(131, 2), 0);
    EXPECT_EQ(log.commands.size(), 1u);
}
