#include "MenuTestFixture.h"

#include "Events/EventSource.h"

namespace {

// Notes its call and passes the event on to the handlers installed before it.
OSStatus PassOn(EventHandlerCallRef call, EventRef event, void* calls) {
    EXPECT_EQ(GetEventClass(event), kEventClassCommand);
    EXPECT_EQ(GetEventKind(event), kEventCommandProcess);
    ++*static_cast<int*>(calls);
    return CallNextEventHandler(call, event);
}

} // namespace

TEST_F(MenuFixture, AChosenMenuItemReachesTheHandlerOnce) {
    CommandLog log;
    InstallCommandHandler(&log);
    RunScript("menu \"Sort\" \"By ID\"\n"
              "menu \"File\" \"Import CSV…\"\n"
              "drag 160 8 to 220 40\n"    // from the Sort title to its second item
              "drag 160 8 to 160 200\n"); // released below the menu
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
    InstallCommandHandler(&log);
    DisableMenuItem(GetMenuHandle(130), 4);
    RunScript("menu \"Edit\" \"Cut\"\n"
              "menu \"Edit\" \"Copy\"\n"
              "menu \"Korvane\" \"-\"\n");
    // A disabled item and a separator are never chosen, so no command is sent for them.
    ASSERT_EQ(log.commands.size(), 1u);
    EXPECT_EQ(menuResults_, (std::vector<SInt32>{MenuResult(130, 3), 0, 0}));
    EXPECT_EQ(MenuKey('x'), MenuResult(130, 3));
    EXPECT_EQ(platform::menus::HilitedMenu(), 130); // for the application to remove
    EXPECT_EQ(MenuKey('c'), 0);
}

TEST_F(MenuFixture, KeyEquivalentsOfEnabledItemsAreTakenBeforeTheApplication) {
    CommandLog log;
    InstallCommandHandler(&log);
    DisableMenuCommand(nullptr, 10);
    SetMenuItemCommandID(GetMenuHandle(130), 1, 0);
    RunScript("key 2 cmd\n"
              "key i cmd\n" // disabled
              "key e cmd\n" // no item has it
              "key 3\n"
              "key z cmd\n"); // no command to send: swallowed all the same
    ASSERT_EQ(log.commands.size(), 1u);
    EXPECT_EQ(log.commands[0].commandID, 16u);
    EXPECT_EQ(keys_, "ie3");
    EXPECT_EQ(platform::menus::HilitedMenu(), 0);
}

TEST_F(MenuFixture, ModalLoopsSendNoCommandEventsAndTakeNoKeys) {
    CommandLog log;
    InstallCommandHandler(&log);
    {
        platform::events::ModalScope modal;
        RunScript("key 1 cmd\n"
                  "menu \"Sort\" \"By ID\"\n");
        EXPECT_EQ(MenuKey('2'), MenuResult(131, 2));
    }
    EXPECT_TRUE(log.commands.empty());
    EXPECT_EQ(keys_, "1");
    EXPECT_EQ(menuResults_, (std::vector<SInt32>{MenuResult(131, 3)}));
    EXPECT_EQ(MenuKey('2'), 0);
    EXPECT_EQ(log.commands.size(), 1u);
}

TEST_F(MenuFixture, HandlersRunNewestFirstAndPassTheEventOn) {
    CommandLog log;
    int passed = 0, otherKind = 0;
    InstallCommandHandler(&log);
    Install(NewEventHandlerUPP(PassOn), &passed);
    Install(PassOn, &otherKind, 2);
    EXPECT_EQ(MenuKey('1'), 0);
    EXPECT_EQ(passed, 1);
    EXPECT_EQ(otherKind, 0);
    ASSERT_EQ(log.commands.size(), 1u);

    EXPECT_EQ(RemoveEventHandler(handlers_[0]), noErr);
    handlers_.erase(handlers_.begin());
    EXPECT_EQ(MenuKey('1'), MenuResult(131, 1)); // passed on to nobody
    EXPECT_EQ(passed, 2);
}
