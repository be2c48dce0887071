#include "MorrowCommon_2/MyOpenResFileClass.h"

#include "MorrowCommon_2/MyResFile.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

#include <new>

MyOpenResFileClass::FileBracket::FileBracket(MyOpenResFileClass& owner) : owner_(owner) {
    owner_.SaveAndSetRefNum();
}

MyOpenResFileClass::FileBracket::~FileBracket() {
    UseResFile(owner_.savedRefNum);
}

MyOpenResFileClass::MyOpenResFileClass()
    : entryList(nullptr), refNum(0), savedRefNum(0), lastError(noErr), closeOnDestroy(false),
      hasFile(false) {
    const Ptr block = NewPtrClear(sizeof(UnknownNumberOfStructureClass));
    if (block)
        entryList = new (block) UnknownNumberOfStructureClass(sizeof(ResEntryRec));
    else
        lastError = memFullErr;
}

MyOpenResFileClass::~MyOpenResFileClass() {
    if (entryList) {
        for (SInt32 n = 1; n <= entryList->count; ++n)
            if (Handle h = Entry(n)->resHandle) ReleaseResource(h);
        entryList->~UnknownNumberOfStructureClass();
        DisposePtr(reinterpret_cast<Ptr>(entryList));
    }
    if (closeOnDestroy && refNum != 0) CloseResFile(refNum);
}

void MyOpenResFileClass::SetResFile(const FSSpec* spec) {
    const SInt16 current = CurResFile();
    closeOnDestroy = true;
    hasFile = true;
    lastError = MyOpenResFile(spec, &refNum);
    UseResFile(current);
}

void MyOpenResFileClass::SetResFile(SInt16 fileRefNum) {
    refNum = fileRefNum;
    hasFile = true;
}

void MyOpenResFileClass::SaveAndSetRefNum() {
    savedRefNum = CurResFile();
    UseResFile(refNum);
}

ResEntryRec* MyOpenResFileClass::Entry(SInt32 n) const {
    return entryList ? reinterpret_cast<ResEntryRec*>(entryList->GetNthStructure(n)) : nullptr;
}

SInt32 MyOpenResFileClass::SearchByTypeAndID(OSType type, SInt16 id) const {
    for (SInt32 n = 1; entryList && n <= entryList->count; ++n)
        if (Entry(n)->resType == type && Entry(n)->resID == id) return n;
    return 0;
}

SInt32 MyOpenResFileClass::SearchByHandle(Handle handle) const {
    for (SInt32 n = 1; entryList && n <= entryList->count; ++n)
        if (Entry(n)->resHandle == handle) return n;
    return 0;
}

OSErr MyOpenResFileClass::AppendEntry(OSType type, SInt16 id, Handle handle) {
    if (!entryList) return memFullErr;
    const ResEntryRec entry = {type, id, handle};
    return entryList->AppendNewStructure(&entry);
}

// Without a file, the bracket would make the system file current and work on it instead.
Boolean MyOpenResFileClass::HasOpenFile() {
    if (refNum == 0) lastError = resFNotFound;
    return refNum != 0;
}

Handle MyOpenResFileClass::GetTheResource(OSType type, SInt16 id) {
    const SInt32 n = SearchByTypeAndID(type, id);
    if (n != 0) return Entry(n)->resHandle;
    if (!HasOpenFile()) return nullptr;
    Handle h;
    {
        FileBracket bracket(*this);
        h = Get1Resource(type, id);
    }
    lastError = AppendEntry(type, id, h);
    return h;
}

void MyOpenResFileClass::AddTheResource(Handle handle, OSType type, SInt16 id,
                                        ConstStr255Param name) {
    if (!HasOpenFile()) return;
    {
        FileBracket bracket(*this);
        AddResource(handle, type, id, name);
        lastError = ResError();
    }
    if (lastError == noErr) lastError = AppendEntry(type, id, handle);
}

void MyOpenResFileClass::ApplyToNth(SInt32 n, void (*call)(Handle), Boolean dropEntry) {
    const ResEntryRec* entry = Entry(n);
    if (!entry) {
        lastError = resNotFound;
        return;
    }
    FileBracket bracket(*this);
    call(entry->resHandle);
    if (dropEntry) entryList->DeleteNthStructure(n);
    lastError = ResError();
}

static void ChangeAndWrite(Handle h) {
    ChangedResource(h);
    WriteResource(h);
}

void MyOpenResFileClass::SaveTheResource(Handle handle) {
    ApplyToNth(SearchByHandle(handle), ChangeAndWrite, false);
}

void MyOpenResFileClass::SaveTheResource(OSType type, SInt16 id) {
    ApplyToNth(SearchByTypeAndID(type, id), ChangeAndWrite, false);
}

void MyOpenResFileClass::RemoveTheResource(Handle handle) {
    ApplyToNth(SearchByHandle(handle), RemoveResource, true);
}

void MyOpenResFileClass::DetachTheResource(OSType type, SInt16 id) {
    ApplyToNth(SearchByTypeAndID(type, id), DetachResource, true);
}

void MyOpenResFileClass::DetachTheResource(Handle handle) {
    ApplyToNth(SearchByHandle(handle), DetachResource, true);
}
