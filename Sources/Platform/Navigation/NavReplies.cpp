// Replies: the item chosen as a file reference in the selection, and for a put-file dialog the
// name apart, as the application will create the file itself.
#include "Navigation/NavDialog.h"

#include "Files/NodeTable.h"
#include "Platform/MacErrors.h"
#include "Platform/Script.h"

namespace platform::navigation {

namespace {

constexpr UInt16 kNavReplyRecordVersion = 2;

OSErr AddFileReference(const std::string& path, AEDescList* selection) {
    FSRef ref;
    OSErr err = FSPathMakeRef(reinterpret_cast<const UInt8*>(path.c_str()), &ref, nullptr);
    AEDesc item{typeNull, nullptr};
    if (err == noErr) err = AECreateDesc(typeFSRef, &ref, sizeof ref, &item);
    if (err == noErr) err = AEPutDesc(selection, 0, &item);
    AEDisposeDesc(&item);
    return err;
}

OSErr FillReply(const ChooserResult& result, ChooserKind kind, NavReplyRecord* reply) {
    bool save = kind == ChooserKind::Save;
    OSErr err =
        AddFileReference(save ? files::ParentPath(result.path) : result.path, &reply->selection);
    if (err != noErr) return err;
    if (save) {
        reply->saveFileName =
            CFStringCreateWithCString(nullptr, result.name.c_str(), kCFStringEncodingUTF8);
        if (!reply->saveFileName) return memFullErr;
    }
    reply->validRecord = true;
    reply->replacing = result.replacing;
    reply->isStationery = result.stationery;
    return noErr;
}

} // namespace

// A chosen item that went away meanwhile leaves no reply.
OSErr MakeReply(const ChooserResult& result, ChooserKind kind, NavReplyRecord* reply) {
    *reply = NavReplyRecord{};
    reply->version = kNavReplyRecordVersion;
    reply->keyScript = smRoman;
    OSErr err = AECreateList(nullptr, 0, false, &reply->selection);
    if (err == noErr && result.confirmed) err = FillReply(result, kind, reply);
    if (err != noErr) NavDisposeReply(reply);
    return err;
}

} // namespace platform::navigation

using namespace platform::navigation;

// Before the user has chosen, or after a cancel, the reply is not valid.
OSStatus NavDialogGetReply(NavDialogRef inDialog, NavReplyRecord* outReply) {
    if (!IsLive(inDialog) || !outReply) return paramErr;
    return MakeReply(inDialog->result, inDialog->setup.kind, outReply);
}

OSErr NavDisposeReply(NavReplyRecord* reply) {
    if (!reply) return paramErr;
    AEDisposeDesc(&reply->selection);
    if (reply->saveFileName) CFRelease(reply->saveFileName);
    *reply = NavReplyRecord{};
    return noErr;
}

// The file is written already and needs no translation.
OSErr NavCompleteSave(const NavReplyRecord* reply, NavTranslationOptions) {
    if (!reply || !reply->validRecord) return paramErr;
    return noErr;
}
