#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "MorrowCommon_2/ReadUsingBuffer.h"
#include "Platform/MacMemory.h"

ReadDiskRec* InitReadUsingBuffer(SInt16 refNum, Ptr buffer, SInt32 bufSize, SInt32 start,
                                 SInt32 end) {
    ReadDiskRec* rec = reinterpret_cast<ReadDiskRec*>(NewPtrClear(sizeof(ReadDiskRec)));
    if (rec == nullptr) return nullptr;
    rec->bufSize = bufSize > 0 ? bufSize : kDefaultReadBufferSize;
    rec->buffer = buffer;
    if (buffer == nullptr) {
        rec->buffer = NewPtrClear(rec->bufSize);
        rec->ownsBuffer = true;
        if (rec->buffer == nullptr) {
            DisposePtr(reinterpret_cast<Ptr>(rec));
            return nullptr;
        }
    }
    // A region cut at the file's end still makes a usable reader.
    if (refNum != 0) SetFileRefNumReadUsingBuffer(rec, refNum, start, end);
    return rec;
}

OSErr TerminateReadUsingBuffer(ReadDiskRec* rec) {
    if (rec == nullptr) return noErr;
    if (rec->closeOnTerminate) MyCloseFile(rec->fileRefNum);
    if (rec->ownsBuffer) DisposePtr(rec->buffer);
    DisposePtr(reinterpret_cast<Ptr>(rec));
    return noErr;
}
