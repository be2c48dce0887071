#include "MorrowCommon_2/MyByteBuffers.h"
#include "MorrowCommon_2/MyOpenDataFileClass.h"
#include "MorrowCommon_2/ReadUsingBuffer.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

namespace {

// Searches the reader's region in overlapping pieces of chunkSize bytes, each starting
// patternLength bytes before the previous one ended so that no occurrence is split. The
// offset found, or -1 with *err telling why not.
SInt32 SearchPieces(ReadDiskRec* reader, Ptr chunk, SInt32 chunkSize, const void* pattern,
                    SInt32 patternLength, OSErr* err) {
    for (Boolean eof = false; !eof;) {
        SInt32 here = 0, count = chunkSize;
        GetFilePositionReadUsingBuffer(reader, &here);
        *err = DoReadUsingBuffer(reader, chunk, &count, &eof);
        if (*err == eofErr) { // the last piece
            *err = noErr;
            eof = true;
        }
        if (*err != noErr) return -1;
        if (SInt32 p = SearchString(count, chunk, patternLength, pattern)) return here + p - 1;
        *err = SetFilePositionReadUsingBuffer(reader, here + count - patternLength);
        if (*err != noErr) return -1;
    }
    return -1;
}

} // namespace

SInt32 MyOpenDataFileClass::SearchData(SInt32 start, SInt32 end, const void* pattern,
                                       SInt32 patternLength) {
    if (start >= end || patternLength < 0) {
        lastError = start >= end ? eofErr : paramErr;
        return -1;
    }
    ReadDiskRec* reader = InitReadUsingBuffer(fileRefNum, nullptr, 0, start, end);
    const SInt32 chunkSize = patternLength + 768 > 1024 ? patternLength + 768 : 1024;
    Ptr chunk = reader ? NewPtr(chunkSize) : nullptr;
    SInt32 found = -1;
    lastError = memFullErr;
    if (chunk != nullptr)
        found = SearchPieces(reader, chunk, chunkSize, pattern, patternLength, &lastError);
    DisposePtr(chunk);
    TerminateReadUsingBuffer(reader);
    return found;
}

SInt32 MyOpenDataFileClass::SearchData(SInt16 startMode, SInt32 startOffset, SInt16 endMode,
                                       SInt32 endOffset, const void* pattern,
                                       SInt32 patternLength) {
    SInt32 start, end;
    if (!ResolveRange(startMode, startOffset, endMode, endOffset, &start, &end)) return -1;
    return SearchData(start, end, pattern, patternLength);
}

SInt32 MyOpenDataFileClass::SearchData(const void* pattern, SInt32 patternLength) {
    return SearchData(fsFromStart, 0, fsFromLEOF, 0, pattern, patternLength);
}
