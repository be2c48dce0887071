// The export file: its creation, its content, its Finder information and the end of the save.
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/ImportExport/Export.h"
#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "Platform/MacErrors.h"
#include "Platform/Script.h"
#include "Platform/TextCommon.h"

#include <algorithm>

namespace {

// Where the new content is written before it takes the target's place.
constexpr char16_t kScratchName[] = u"QZJA.export";
constexpr UniCharCount kScratchNameLength = sizeof kScratchName / sizeof(char16_t) - 1;

const UniChar* ScratchName() {
    return reinterpret_cast<const UniChar*>(kScratchName);
}

// A name cut between the halves of a surrogate pair would be no valid name.
bool IsHighSurrogate(UniChar unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// An existing target stays as it is until the save completes.
OSErr ExistingOrNew(OSErr found, NavReplyRecord* reply) {
    if (found == noErr) reply->replacing = true;
    return found;
}

OSErr TargetInFolder(const AEDesc* item, NavReplyRecord* reply, FSRef* outFile) {
    FSRef folder;
    OSErr err = AEGetDescData(item, &folder, sizeof folder);
    if (err != noErr) return err;
    UniChar name[kMaxExportNameLength];
    UniCharCount length = ReplyFileName(reply, name);
    err = FSMakeFSRefUnicode(&folder, length, name, GetApplicationTextEncoding(), outFile);
    if (err != fnfErr) return ExistingOrNew(err, reply);
    return FSCreateFileUnicode(&folder, length, name, kFSCatInfoNone, nullptr, outFile, nullptr);
}

OSErr TargetFromSpec(const AEDesc* item, NavReplyRecord* reply, FSRef* outFile) {
    FSSpec spec;
    OSErr err = AEGetDescData(item, &spec, sizeof spec);
    if (err != noErr) return err;
    if (!reply->saveFileName ||
        !CFStringGetPascalString(reply->saveFileName, spec.name, sizeof spec.name,
                                 GetApplicationTextEncoding()))
        return bdNamErr;
    err = FSpCreate(&spec, 0, 0, smSystemScript);
    if (err == dupFNErr) err = ExistingOrNew(noErr, reply);
    return err != noErr ? err : FSpMakeFSRef(&spec, outFile);
}

// Another kind of item names no place to save in.
OSErr MakeTarget(const AEDesc* item, NavReplyRecord* reply, FSRef* outFile) {
    if (item->descriptorType == typeFSRef) return TargetInFolder(item, reply, outFile);
    if (item->descriptorType == typeFSS) return TargetFromSpec(item, reply, outFile);
    return paramErr;
}

// A scratch file left by an interrupted export is ours to replace.
OSErr CreateScratchFile(const FSRef* folder, FSRef* scratch) {
    if (FSMakeFSRefUnicode(folder, kScratchNameLength, ScratchName(), GetApplicationTextEncoding(),
                           scratch) == noErr)
        FSDeleteObject(scratch);
    return FSCreateFileUnicode(folder, kScratchNameLength, ScratchName(), kFSCatInfoNone, nullptr,
                               scratch, nullptr);
}

OSErr WriteDataFork(const FSRef* file, const void* text, SInt32 length) {
    HFSUniStr255 dataFork;
    OSErr err = FSGetDataForkName(&dataFork);
    SInt16 fork;
    if (err == noErr) err = FSOpenFork(file, dataFork.length, dataFork.unicode, fsRdWrPerm, &fork);
    if (err != noErr) return err;
    err = FSWriteFork(fork, fsFromStart, 0, ByteCount(length), text, nullptr);
    OSErr closeErr = MyCloseFile(fork);
    return err != noErr ? err : closeErr;
}

void PutBig(UInt8* bytes, UInt32 value, int size) {
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        bytes[i] = UInt8(value);
}

} // namespace

UniCharCount ReplyFileName(const NavReplyRecord* reply, UniChar* name) {
    if (!reply->saveFileName) return 0;
    const CFIndex most = CFIndex(kMaxExportNameLength);
    CFIndex length = std::min(CFStringGetLength(reply->saveFileName), most);
    CFStringGetCharacters(reply->saveFileName, CFRangeMake(0, length), name);
    if (length == most && IsHighSurrogate(name[length - 1])) --length;
    return UniCharCount(length);
}

OSErr BeginSave(NavDialogRef dialog, NavReplyRecord* reply, FSRef* outFile, GlueRec*) {
    if (!reply || !outFile) return paramErr;
    OSErr err = NavDialogGetReply(dialog, reply);
    if (err != noErr) return err;
    AEKeyword keyword;
    AEDesc item{typeNull, nullptr};
    err = AEGetNthDesc(&reply->selection, 1, typeWildCard, &keyword, &item);
    if (err == noErr) err = MakeTarget(&item, reply, outFile);
    AEDisposeDesc(&item);
    if (err != noErr) NavDisposeReply(reply);
    return err;
}

OSErr TextSave(GlueRec* context) {
    ReleaseTextClass release(&context->tempText);
    FSRef folder, scratch;
    OSErr err = FSGetCatalogInfo(&context->exportFileRef, kFSCatInfoNone, nullptr, nullptr, nullptr,
                                 &folder);
    if (err == noErr) err = CreateScratchFile(&folder, &scratch);
    if (err != noErr) return err;
    err = WriteDataFork(&scratch, context->tempText, context->tempTextLength);
    if (err == noErr) err = FSExchangeObjects(&scratch, &context->exportFileRef);
    FSDeleteObject(&scratch); // now the previous content, or the unfinished new one
    return err;
}

// Finder information is held in its big-endian form: type, creator, then the flags.
OSErr UpdateFileInfo(const FSRef* file, Boolean stationery) {
    FSCatalogInfo info;
    OSErr err = FSGetCatalogInfo(file, kFSCatInfoFinderInfo, &info, nullptr, nullptr, nullptr);
    if (err != noErr) return err;
    PutBig(info.finderInfo, kExportFileType, 4);
    PutBig(info.finderInfo + 4, kExportFileCreator, 4);
    UInt16 flags = UInt16((info.finderInfo[8] << 8) | info.finderInfo[9]);
    flags = stationery ? flags | kIsStationery : flags & ~kIsStationery;
    PutBig(info.finderInfo + 8, flags, 2);
    return FSSetCatalogInfo(file, kFSCatInfoFinderInfo, &info);
}

void CompleteSave(NavReplyRecord* reply, const FSRef* file, Boolean succeeded) {
    if (!reply->validRecord) return;
    if (succeeded)
        NavCompleteSave(reply, kNavTranslateInPlace);
    else if (!reply->replacing)
        FSDeleteObject(file);
    NavDisposeReply(reply);
}
