#include "MorrowCommon_2/ReadUsingBuffer.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"

// Empties the buffer and starts reading afresh at the file offset pos. The reader changes only
// when the file's mark could be moved there.
static OSErr RestartAt(ReadDiskRec* rec, SInt32 pos) {
    if (OSErr err = SetFPos(rec->fileRefNum, fsFromStart, pos)) return err;
    rec->bufPos = rec->bufFill = 0;
    rec->atEnd = rec->lastBlock = false;
    rec->fileMark = pos;
    return noErr;
}

OSErr SetFileRefNumReadUsingBuffer(ReadDiskRec* rec, SInt16 refNum, SInt32 start, SInt32 end) {
    if (rec == nullptr) return noErr;
    SInt32 length = 0;
    if (OSErr err = GetEOF(refNum, &length)) return err;
    const bool cut = start < end && end > length;
    if (start >= end) start = 0, end = length;
    if (cut) end = length, start = start < end ? start : end;
    rec->fileRefNum = refNum;
    rec->regionStart = start;
    rec->regionEnd = end;
    const OSErr err = RestartAt(rec, start);
    return err != noErr ? err : (cut ? eofErr : noErr);
}

OSErr GetFilePositionReadUsingBuffer(const ReadDiskRec* rec, SInt32* pos) {
    *pos = rec ? rec->fileMark - rec->bufFill + rec->bufPos : 0;
    return noErr;
}

OSErr SetFilePositionReadUsingBuffer(ReadDiskRec* rec, SInt32 pos) {
    if (rec == nullptr) return noErr;
    const SInt32 buffered = rec->fileMark - rec->bufFill;
    if (pos >= buffered && pos <= rec->fileMark) {
        // Bytes still in the buffer are readable again, even after the region was exhausted.
        rec->bufPos = pos - buffered;
        rec->atEnd = rec->lastBlock && pos == rec->fileMark;
        return noErr;
    }
    if (pos <= rec->regionEnd) return RestartAt(rec, pos);
    if (OSErr err = RestartAt(rec, rec->regionEnd)) return err;
    rec->lastBlock = rec->atEnd = true;
    return eofErr;
}

OSErr ClearReadUsingBuffer(ReadDiskRec* rec) {
    return rec ? RestartAt(rec, rec->regionStart) : noErr;
}
