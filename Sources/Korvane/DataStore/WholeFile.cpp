#include "Korvane/DataStore/WholeFile.h"

#include "MorrowCommon_2/MyFindFolder.h"
#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/MacErrors.h"

#include <algorithm>

namespace {

OSErr WriteWholeFile(const FSSpec* spec, const void* text, SInt32 length) {
    SInt16 refNum;
    OSErr err = FSpOpenDF(spec, fsRdWrPerm, &refNum);
    if (err != noErr) return err;
    err = SetFPos(refNum, fsFromStart, 0);
    SInt32 count = length;
    if (err == noErr) err = FSWrite(refNum, &count, text);
    OSErr closeErr = MyCloseFile(refNum);
    return err != noErr ? err : closeErr;
}

void DeleteFile(const FSSpec* spec) {
    FSpRstFLock(spec);
    FSpDelete(spec);
}

} // namespace

OSErr ReadWholeFile(const FSSpec* spec, Ptr* text, SInt32* length, OSErr noMemoryErr) {
    SInt16 refNum;
    OSErr err = FSpOpenDF(spec, fsRdPerm, &refNum);
    if (err != noErr) return err;
    err = SetFPos(refNum, fsFromStart, 0);
    if (err == noErr && (err = GetEOF(refNum, length)) != noErr) *length = 0;
    if (err == noErr && *length > kJAMaxTextBytes) err = fsDataTooBigErr;
    if (err == noErr && !(*text = NewPtr(std::max<SInt32>(*length, 1)))) err = noMemoryErr;
    SInt32 count = *length;
    if (err == noErr) err = FSRead(refNum, &count, *text);
    OSErr closeErr = MyCloseFile(refNum);
    return err != noErr ? err : closeErr;
}

OSErr ReplaceFileContents(const FSSpec* spec, const void* text, SInt32 length) {
    FSSpec fresh;
    OSErr err = FSMakeFSSpec(spec->vRefNum, spec->parID, kReplacementName, &fresh);
    if (err != noErr && err != fnfErr) return err;
    if (MyPStrEqual(fresh.name, spec->name)) return bdNamErr;
    if (FindNamedFile(&fresh) == noErr) DeleteFile(&fresh); // left by an interrupted replace
    err = FSpCreate(&fresh, kSettingsFileCreator, kSettingsFileType, kSettingsFileScript);
    if (err != noErr) return err;
    err = WriteWholeFile(&fresh, text, length);
    if (err == noErr) err = FSpExchangeFiles(&fresh, spec);
    DeleteFile(&fresh); // now the previous content, or the unfinished new one
    return err;
}
