// What a put-file dialog's callback saw, recorded as the export's callback would use it: the
// reply taken on the user's action, and the dialog disposed of when it terminates.
#pragma once

#include "Platform/Navigation.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

// A dialog of the system file that stands for one of the application's windows.
constexpr SInt16 kSomeDialogID = -4000;

struct NavigationRecorder {
    std::vector<NavEventCallbackMessage> selectors; // without kNavCBEvent
    std::vector<EventRecord> events;                // of kNavCBEvent
    NavUserAction action = kNavUserActionNone;
    bool validReply = false;
    DescType selectionType = 0;
    std::string folder;
    std::string name;
    bool replacing = false;
    bool stationery = false;
    // Called once, with the dialog, on the first kNavCBEvent.
    std::function<void(NavDialogRef)> onFirstEvent;

    NavDialogRef PutFileDialog(WindowRef parent = nullptr) {
        NavDialogCreationOptions options;
        NavGetDefaultDialogCreationOptions(&options);
        options.clientName = CFSTR("Korvane");
        options.saveFileName = CFSTR("Export.txt");
        if (parent) {
            options.modality = kWindowModalityWindowModal;
            options.parentWindow = parent;
        }
        NavDialogRef dialog = nullptr;
        NavCreatePutFileDialog(&options, FOUR_CHAR_CODE("TEXT"), FOUR_CHAR_CODE("ttxt"),
                               NewNavEventUPP(Callback), this, &dialog);
        return dialog;
    }

  private:
    static void Callback(NavEventCallbackMessage selector, NavCBRecPtr params, void* data) {
        auto* recorder = static_cast<NavigationRecorder*>(data);
        if (selector == kNavCBEvent) {
            recorder->events.push_back(*params->eventData.eventDataParms.event);
            if (auto first = std::exchange(recorder->onFirstEvent, nullptr)) first(params->context);
            return;
        }
        recorder->selectors.push_back(selector);
        if (selector == kNavCBUserAction) recorder->TakeReply(params);
        if (selector == kNavCBTerminate) NavDialogDispose(params->context);
    }

    void TakeReply(NavCBRecPtr params) {
        action = params->userAction;
        EXPECT_EQ(NavDialogGetUserAction(params->context), action);
        NavReplyRecord reply;
        ASSERT_EQ(NavDialogGetReply(params->context, &reply), noErr);
        validReply = reply.validRecord;
        replacing = reply.replacing;
        stationery = reply.isStationery;
        AEDesc item;
        if (AEGetNthDesc(&reply.selection, 1, typeWildCard, nullptr, &item) == noErr) {
            selectionType = item.descriptorType;
            FSRef ref{};
            AEGetDescData(&item, &ref, sizeof ref);
            UInt8 path[1024] = {};
            FSRefMakePath(&ref, path, sizeof path);
            folder = reinterpret_cast<char*>(path);
            AEDisposeDesc(&item);
        }
        char text[256] = {};
        if (reply.saveFileName)
            CFStringGetCString(reply.saveFileName, text, sizeof text, kCFStringEncodingUTF8);
        name = text;
        NavDisposeReply(&reply);
    }
};
