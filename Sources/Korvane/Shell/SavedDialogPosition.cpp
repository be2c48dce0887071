#include "Korvane/Shell/SavedDialogPosition.h"

#include "MorrowCommon_2/MyOpenResFileClass.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

namespace {

constexpr SInt16 kNotRecorded = -1;

Boolean IsResource(Handle handle) {
    GetResAttrs(handle);
    return ResError() == noErr;
}

// The dialog's record in the open preferences file, made at -1,-1 when missing; null when there
// is none that the object holds. A handle that did not become a resource is released here; one
// that did belongs to the file.
Handle FindOrAddPositionRecord(MyOpenResFileClass& prefs, short dialogID) {
    Handle record = prefs.GetTheResource(kDialogPositionType, dialogID);
    if (record) return record;
    record = NewHandleClear(sizeof(DialogPositionRec));
    if (!record) return nullptr;
    *reinterpret_cast<DialogPositionRec*>(*record) = {kNotRecorded, kNotRecorded};
    const unsigned char noName[1] = {0};
    prefs.AddTheResource(record, kDialogPositionType, dialogID, noName);
    if (prefs.SearchByHandle(record) != 0) return record;
    if (!IsResource(record)) DisposeHandle(record);
    return nullptr;
}

Point ContentOrigin(DialogRef dialog) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(dialog));
    Point origin = {0, 0};
    LocalToGlobal(&origin);
    return origin;
}

} // namespace

DialogRef GetSavedDialog(GlueRec* context, short dialogID, void* storage, WindowRef behind) {
    {
        MyOpenResFileClass prefs;
        prefs.SetResFile(&context->prefsFileSpec);
        FindOrAddPositionRecord(prefs, dialogID);
    }
    return GetNewDialog(dialogID, storage, behind);
}

void SaveTheDialogPosition(GlueRec* context, DialogRef dialog, short dialogID) {
    if (!dialog) return;
    MyOpenResFileClass prefs;
    prefs.SetResFile(&context->prefsFileSpec);
    Handle record = FindOrAddPositionRecord(prefs, dialogID);
    if (!record) return;
    // A record cut short by some other program is made whole before it is written.
    if (GetHandleSize(record) < Size(sizeof(DialogPositionRec))) {
        SetHandleSize(record, sizeof(DialogPositionRec));
        if (MemError() != noErr) return;
    }
    const Point origin = ContentOrigin(dialog);
    *reinterpret_cast<DialogPositionRec*>(*record) = {origin.v, origin.h};
    prefs.SaveTheResource(record);
}
