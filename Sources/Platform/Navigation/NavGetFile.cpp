// The one-call open dialog: application-modal, starting in a given folder, offering the file
// types of a type list.
#include "Navigation/NavDialog.h"

#include "Controls/Control.h"
#include "Files/Location.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <algorithm>
#include <cstring>

using namespace platform::navigation;

namespace {

constexpr Size kTypeListHeaderSize = 8;

// The folder an 'fss ' or 'fsrf' descriptor names; empty for anything else.
std::string FolderOf(const AEDesc* location) {
    if (!location) return "";
    FSSpec spec;
    FSRef ref;
    bool isSpec = location->descriptorType == typeFSS && AEGetDescDataSize(location) == sizeof spec;
    bool isRef = location->descriptorType == typeFSRef && AEGetDescDataSize(location) == sizeof ref;
    if (isSpec && AEGetDescData(location, &spec, sizeof spec) == noErr)
        return platform::files::LocateSpec(&spec).path;
    if (isRef && AEGetDescData(location, &ref, sizeof ref) == noErr)
        return platform::files::LocateRef(&ref).path;
    return "";
}

// The types a list holds, as far as its handle holds them; none for no list (every file).
std::vector<OSType> TypesOf(NavTypeListHandle typeList) {
    std::vector<OSType> types;
    Handle handle = reinterpret_cast<Handle>(typeList);
    if (!handle || GetHandleSize(handle) < kTypeListHeaderSize) return types;
    SInt32 fit = (GetHandleSize(handle) - kTypeListHeaderSize) / Size(sizeof(OSType));
    SInt32 count = std::min<SInt32>((*typeList)->osTypeCount, fit);
    types.resize(size_t(std::max<SInt32>(count, 0)));
    std::memcpy(types.data(), *handle + kTypeListHeaderSize, types.size() * sizeof(OSType));
    return types;
}

std::string TitleOf(const NavDialogOptions* options) {
    if (!options) return "";
    ConstStr255Param title = options->windowTitle[0] ? options->windowTitle : options->clientName;
    return platform::FromPascal(title);
}

} // namespace

OSErr NavGetDefaultDialogOptions(NavDialogOptions* dialogOptions) {
    if (!dialogOptions) return paramErr;
    *dialogOptions = NavDialogOptions{};
    dialogOptions->dialogOptionFlags = kNavAllowMultipleFiles;
    return noErr;
}

OSErr NavGetFile(AEDesc* defaultLocation, NavReplyRecord* reply, NavDialogOptions* dialogOptions,
                 NavEventUPP eventProc, NavPreviewUPP previewProc, NavObjectFilterUPP filterProc,
                 NavTypeListHandle typeList, void* callBackUD) {
    if (!reply) return paramErr;
    *reply = NavReplyRecord{};
    if (previewProc || filterProc) return paramErr;
    ChooserSetup setup;
    setup.folder = FolderOf(defaultLocation);
    setup.types = TypesOf(typeList);
    setup.title = TitleOf(dialogOptions);
    Chooser chooser(setup);
    if (!chooser.Opened()) return resNotFound;
    const ChooserResult& result = chooser.RunModal([&](EventRecord& event) {
        CallBack(eventProc, callBackUD, kNavCBEvent, nullptr, chooser.Window(), &event,
                 kNavUserActionNone);
    });
    if (!result.confirmed) return userCanceledErr;
    return MakeReply(result, ChooserKind::Open, reply);
}
