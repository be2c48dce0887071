// The dialogs made, run, ended and disposed of by the application.
#include "Navigation/NavDialog.h"

#include "Platform/Foundation.h"
#include "Platform/MacErrors.h"
#include "Windows/Window.h"

using namespace platform::navigation;

namespace {

std::string TextOf(CFStringRef string) {
    return UTF8String(string).value_or("");
}

// A dialog disposed of from its callback while its loop runs is deleted once the loop is over.
void RunModally(NavDialogRef dialog) {
    dialog->chooser->RunModal(
        [dialog](EventRecord& event) { Deliver(dialog, kNavCBEvent, &event); });
    bool disposed = !IsLive(dialog);
    Conclude(dialog);
    if (disposed) delete dialog;
}

} // namespace

NavEventUPP NewNavEventUPP(NavEventProcPtr userRoutine) {
    return userRoutine;
}

OSStatus NavGetDefaultDialogCreationOptions(NavDialogCreationOptions* outOptions) {
    if (!outOptions) return paramErr;
    *outOptions = NavDialogCreationOptions{};
    outOptions->optionFlags = kNavAllowMultipleFiles;
    outOptions->modality = kWindowModalityAppModal;
    return noErr;
}

OSStatus NavCreatePutFileDialog(const NavDialogCreationOptions* inOptions, OSType, OSType,
                                NavEventUPP inEventProc, void* inClientData,
                                NavDialogRef* outDialog) {
    if (!outDialog) return paramErr;
    auto dialog = std::make_unique<__NavDialog>();
    dialog->setup.kind = ChooserKind::Save;
    dialog->eventProc = inEventProc;
    dialog->clientData = inClientData;
    if (inOptions) {
        dialog->setup.name = TextOf(inOptions->saveFileName);
        dialog->setup.title =
            inOptions->windowTitle ? TextOf(inOptions->windowTitle) : TextOf(inOptions->clientName);
        bool sheet = inOptions->modality == kWindowModalityWindowModal &&
                     platform::windows::IsWindow(inOptions->parentWindow);
        if (sheet) dialog->parent = inOptions->parentWindow;
    }
    *outDialog = Register(std::move(dialog));
    return noErr;
}

// A dialog runs once; the system file must hold its chooser.
OSStatus NavDialogRun(NavDialogRef inDialog) {
    if (!IsLive(inDialog) || inDialog->ran) return paramErr;
    inDialog->chooser = std::make_unique<Chooser>(inDialog->setup);
    if (!inDialog->chooser->Opened()) {
        inDialog->chooser.reset();
        return resNotFound;
    }
    inDialog->ran = true;
    if (!inDialog->parent) {
        RunModally(inDialog);
        return noErr;
    }
    inDialog->chooser->AttachTo(inDialog->parent);
    AddSheet(inDialog);
    return noErr;
}

// A sheet ends at once; an application-modal dialog (ended from its callback) when its loop
// next turns.
OSErr NavCustomControl(NavContext context, NavCustomControlMessage selector, void*) {
    if (!IsLive(context) || selector != kNavCtlTerminate) return paramErr;
    if (!context->chooser) return noErr;
    context->terminated = true;
    context->chooser->End();
    if (IsRunningSheet(context)) Conclude(context);
    return noErr;
}

void NavDialogDispose(NavDialogRef inDialog) {
    if (!IsLive(inDialog)) return;
    Unregister(inDialog);
    bool inModalLoop = inDialog->chooser && !IsRunningSheet(inDialog);
    if (inModalLoop) {
        inDialog->terminated = true;
        inDialog->chooser->End();
        return;
    }
    RemoveSheet(inDialog);
    delete inDialog;
}
