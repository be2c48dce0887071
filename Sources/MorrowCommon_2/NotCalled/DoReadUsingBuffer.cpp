#include "MorrowCommon_2/ReadUsingBuffer.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

namespace {

void TakeFromBuffer(ReadDiskRec* rec, Ptr out, SInt32 count) {
    BlockMoveData(rec->buffer + rec->bufPos, out, count);
    rec->bufPos += count;
}

void MarkExhausted(ReadDiskRec* rec, Boolean* eof) {
    rec->lastBlock = rec->atEnd = *eof = true;
}

// A request that used up the last block exhausts the region.
void NoteDrained(ReadDiskRec* rec, Boolean* eof) {
    if (rec->lastBlock && rec->bufPos == rec->bufFill) MarkExhausted(rec, eof);
}

// Reads up to want bytes of the region straight into out, bypassing the buffer.
OSErr ReadStraight(ReadDiskRec* rec, Ptr out, SInt32 want, SInt32* count, Boolean* eof) {
    const SInt32 left = rec->regionEnd - rec->fileMark;
    SInt32 got = want < left ? want : left;
    const OSErr err = FSRead(rec->fileRefNum, &got, out);
    if (err != noErr && err != eofErr) return err;
    rec->fileMark += got;
    rec->bufPos = rec->bufFill = 0;
    *count += got;
    // A file cut short under the reader ends the region early.
    if (want >= left || got < want) MarkExhausted(rec, eof);
    return got < want ? eofErr : noErr;
}

// Refills the buffer with the next block of the region and serves want bytes from it.
OSErr ReadThroughBuffer(ReadDiskRec* rec, Ptr out, SInt32 want, SInt32* count, Boolean* eof) {
    const SInt32 left = rec->regionEnd - rec->fileMark;
    const SInt32 block = rec->bufSize < left ? rec->bufSize : left;
    SInt32 got = block;
    const OSErr err = FSRead(rec->fileRefNum, &got, rec->buffer);
    if (err != noErr && err != eofErr) return err;
    rec->lastBlock = block == left || got < block;
    rec->fileMark += got;
    rec->bufFill = got;
    rec->bufPos = 0;
    const SInt32 served = want < got ? want : got;
    TakeFromBuffer(rec, out, served);
    *count += served;
    NoteDrained(rec, eof);
    return served < want ? eofErr : noErr;
}

} // namespace

OSErr DoReadUsingBuffer(ReadDiskRec* rec, void* dst, SInt32* count, Boolean* eof) {
    if (rec == nullptr) return noErr;
    SInt32 want = *count > 0 ? *count : 0;
    *count = 0;
    *eof = false;
    if (rec->atEnd) {
        *eof = true;
        return eofErr;
    }

    Ptr out = static_cast<Ptr>(dst);
    const SInt32 avail = rec->bufFill - rec->bufPos;
    if (want <= avail) {
        TakeFromBuffer(rec, out, want);
        *count = want;
        NoteDrained(rec, eof);
        return noErr;
    }
    TakeFromBuffer(rec, out, avail);
    *count = avail;
    if (rec->lastBlock) {
        MarkExhausted(rec, eof);
        return eofErr;
    }
    want -= avail;
    out += avail;
    if (want >= rec->regionEnd - rec->fileMark || want >= rec->bufSize)
        return ReadStraight(rec, out, want, count, eof);
    return ReadThroughBuffer(rec, out, want, count, eof);
}
