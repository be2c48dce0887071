// The Navigation Services dialog record and what its calls share: the live dialogs, the
// callback, the end of a run, the running sheets and the reply.
#pragma once

#include "Navigation/Chooser.h"
#include "Platform/Navigation.h"

#include <memory>

struct __NavDialog {
    platform::navigation::ChooserSetup setup;
    NavEventUPP eventProc = nullptr;
    void* clientData = nullptr;
    WindowRef parent = nullptr; // a sheet's; null for an application-modal dialog
    std::unique_ptr<platform::navigation::Chooser> chooser; // while it runs
    bool ran = false;
    bool terminated = false; // ended by kNavCtlTerminate
    NavUserAction action = kNavUserActionNone;
    platform::navigation::ChooserResult result;
};

namespace platform::navigation {

NavDialogRef Register(std::unique_ptr<__NavDialog> dialog);
// Null after NavDialogDispose, which callbacks may call at any time.
bool IsLive(NavDialogRef dialog);
// Takes the dialog out of the live ones; the caller deletes it.
void Unregister(NavDialogRef dialog);

// Calls proc, when there is one, with a record for the dialog's window and the event.
void CallBack(NavEventUPP proc, void* clientData, NavEventCallbackMessage selector,
              NavDialogRef context, WindowRef window, EventRecord* event, NavUserAction action);
void Deliver(NavDialogRef dialog, NavEventCallbackMessage selector, EventRecord* event);

// The chooser has finished: its window goes, the result stays; an answer of the user is
// delivered (kNavCBUserAction), and then kNavCBTerminate.
void Conclude(NavDialogRef dialog);

void AddSheet(NavDialogRef dialog);
void RemoveSheet(NavDialogRef dialog);
bool IsRunningSheet(NavDialogRef dialog);

// A reply naming what the chooser chose; validRecord false when nothing was.
OSErr MakeReply(const ChooserResult& result, ChooserKind kind, NavReplyRecord* reply);

} // namespace platform::navigation
