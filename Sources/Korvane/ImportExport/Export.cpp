#include "Korvane/ImportExport/Export.h"

#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/EventLoop.h"
#include "Korvane/Shell/GetStringFromPlist.h"
#include "Korvane/Shell/Globals.h"
#include "Platform/MacErrors.h"
#include "Platform/Resources.h"
#include "Platform/TextCommon.h"

namespace {

constexpr SInt16 kExportStringsID = 132;
constexpr SInt16 kDefaultExportNameIndex = 5;

void ReleaseExportText(GlueRec* context) {
    ReleaseTextClass release(&context->tempText);
}

// A save dialog still running ends unanswered; its end releases the text it would have written.
void EndRunningExport(GlueRec* context) {
    if (context->navDialog) NavCustomControl(context->navDialog, kNavCtlTerminate, nullptr);
    context->navDialog = nullptr;
}

CFStringRef CreateStringFromPascal(ConstStr255Param text) {
    return CFStringCreateWithPascalString(nullptr, text, GetApplicationTextEncoding());
}

} // namespace

OSErr ExportFunc(GlueRec* context) {
    EndRunningExport(context);
    OSErr err = ReadWholeFile(&context->tempFileSpec, &context->tempText, &context->tempTextLength,
                              memFullErr);
    if (err != noErr) {
        ReleaseExportText(context);
        return err == memFullErr ? noErr : err;
    }
    context->exportParentWindow = FrontWindow();
    Str255 name;
    GetIndString(name, kExportStringsID, kDefaultExportNameIndex);
    CFStringRef defaultName = CreateStringFromPascal(name);
    OSStatus status = SaveFileDialog(context, context->exportParentWindow, defaultName,
                                     kExportFileType, kExportFileCreator, &context->navDialog);
    if (defaultName) CFRelease(defaultName);
    if (status != noErr) ReleaseExportText(context); // no dialog will write or end
    return OSErr(status);
}

OSStatus SaveFileDialog(GlueRec* context, WindowRef parent, CFStringRef defaultName,
                        OSType fileType, OSType creator, NavDialogRef* outDialog) {
    NavDialogCreationOptions options;
    OSStatus status = NavGetDefaultDialogCreationOptions(&options);
    if (status != noErr) return status;
    Str255 appName;
    getPStringFromPlist(appName, CFSTR("CFBundleName"));
    options.clientName = CreateStringFromPascal(appName);
    options.saveFileName = defaultName;
    options.parentWindow = parent;
    options.modality = parent ? kWindowModalityWindowModal : kWindowModalityAppModal;
    status = NavCreatePutFileDialog(&options, fileType, creator, gNavEventProc, context, outDialog);
    if (status == noErr) status = NavDialogRun(*outDialog);
    if (status != noErr && *outDialog) NavDialogDispose(*outDialog);
    // An application-modal dialog has finished by now; its end disposed of it.
    if (status != noErr || options.modality == kWindowModalityAppModal) *outDialog = nullptr;
    if (options.clientName) CFRelease(options.clientName);
    return status;
}

void MyEventProc(NavEventCallbackMessage selector, NavCBRecPtr params, void* userData) {
    GlueRec* context = static_cast<GlueRec*>(userData);
    switch (selector) {
    case kNavCBEvent: {
        EventRecord* event = params->eventData.eventDataParms.event;
        if (context && event && (event->what == updateEvt || event->what == activateEvt))
            HandleMainCommonDialogEvent(context, event);
        break;
    }
    case kNavCBUserAction:
        HandleNavUserAction(params->context, params->userAction, userData, context);
        break;
    case kNavCBTerminate:
        NavDialogDispose(params->context);
        if (!context) break;
        if (context->navDialog == params->context) context->navDialog = nullptr;
        ReleaseExportText(context); // still held when the dialog ended without a save
        break;
    default:
        break;
    }
}

void HandleNavUserAction(NavDialogRef dialog, NavUserAction action, void* userData,
                         GlueRec* context) {
    if (!userData) return;
    context->navDialog = nullptr;
    if (action != kNavUserActionSaveAs) return;
    NavReplyRecord reply;
    if (BeginSave(dialog, &reply, &context->exportFileRef, context) != noErr) return;
    HFSUniStr255 name;
    Boolean succeeded = FSGetCatalogInfo(&context->exportFileRef, kFSCatInfoNone, nullptr, &name,
                                         nullptr, nullptr) == noErr &&
                        TextSave(context) == noErr;
    if (succeeded) UpdateFileInfo(&context->exportFileRef, reply.isStationery);
    CompleteSave(&reply, &context->exportFileRef, succeeded);
}
