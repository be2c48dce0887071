#include "MenuTestFixture.h"

namespace {

std::vector<SRefCon> gQuits;

OSErr RecordQuit(const AppleEvent* event, AppleEvent* reply, SRefCon refcon) {
    EXPECT_TRUE(event->descriptorType == typeAppleEvent && reply);
    gQuits.push_back(refcon);
    return noErr;
}

OSErr DeclineQuit(const AppleEvent*, AppleEvent*, SRefCon) {
    return errAEEventNotHandled;
}

} // namespace

TEST_F(MenuFixture, QuitBecomesTheQuitAppleEvent) {
    gQuits.clear();
    AEEventHandlerUPP handler = NewAEEventHandlerUPP(RecordQuit);
    ASSERT_EQ(AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, handler, 7, false), noErr);
    CommandLog log{eventNotHandledErr, {}}; // sees the command and leaves it
    InstallCommandHandler(&log);
    DisableAllMenuItems(GetMenuHandle(128));
    RunScript("menu \"Korvane\" \"Quit Korvane\"\n"
              "key q cmd\n");
    EXPECT_EQ(log.commands.size(), 2u);
    EXPECT_EQ(menuResults_, (std::vector<SInt32>{0}));
    EXPECT_EQ(appleEventResults_, (std::vector<OSErr>{noErr, noErr}));
    EXPECT_EQ(gQuits, (std::vector<SRefCon>{7, 7}));
    DisposeAEEventHandlerUPP(handler);

    // A handler that takes the command leaves nothing for the standard handling.
    log.answer = noErr;
    EXPECT_EQ(MenuKey('q'), 0);
    EventRecord event;
    EXPECT_FALSE(EventAvail(highLevelEventMask, &event));
}

TEST_F(MenuFixture, AppleEventsGoToTheApplicationsHandlerThenTheSystems) {
    Point quitID{SInt16(kAEQuitApplication >> 16), SInt16(kAEQuitApplication & 0xFFFF)};
    EventRecord quit{kHighLevelEvent, kCoreEventClass, 0, quitID, 0}, key{keyDown, 'q', 0, {}, 0};
    EXPECT_EQ(AEProcessAppleEvent(&quit), errAEEventNotHandled);
    EXPECT_EQ(AEProcessAppleEvent(&key), errAENotAppleEvent);

    gQuits.clear();
    AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, RecordQuit, 2, true);
    AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, DeclineQuit, 1, false);
    EXPECT_EQ(AEProcessAppleEvent(&quit), noErr);
    EXPECT_EQ(gQuits, (std::vector<SRefCon>{2}));
    EXPECT_EQ(AERemoveEventHandler(kCoreEventClass, kAEQuitApplication, RecordQuit, false),
              errAEHandlerNotFound);
}
