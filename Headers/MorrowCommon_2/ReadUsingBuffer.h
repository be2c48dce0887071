// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// A buffered reader over a region of an open data fork: small requests are served from a
// buffer that is filled bufSize bytes at a time; requests of at least bufSize bytes go straight
// into the caller's memory. The end of the region is reported both as eofErr and as a flag.
// Every operation but InitReadUsingBuffer accepts a null reader and then does nothing.
#pragma once

#include "Platform/MacTypes.h"

struct ReadDiskRec {
    SInt32 bufPos;  // bytes of the buffer already handed out
    SInt32 bufFill; // bytes of valid data in the buffer
    SInt32 bufSize;
    SInt32 regionStart;
    SInt32 regionEnd; // just past the region; never beyond the file's end
    SInt32 fileMark;  // just past the buffered data: where the next file read starts
    Ptr buffer;
    SInt16 fileRefNum; // 0 when no file is bound
    Boolean ownsBuffer;
    Boolean atEnd;     // the region is exhausted: further reads give eofErr
    Boolean lastBlock; // the buffered data (or the last direct read) reached the region's end
    Boolean closeOnTerminate;
};

constexpr SInt32 kDefaultReadBufferSize = 16384;

// A new reader with the caller's buffer, or with one of its own when buffer is null; bufSize 0
// means kDefaultReadBufferSize. A non-zero refNum is bound with the region [start, end). Null
// when memory runs out.
ReadDiskRec* InitReadUsingBuffer(SInt16 refNum, Ptr buffer, SInt32 bufSize, SInt32 start,
                                 SInt32 end);

// Binds the file and the region [start, end), or the whole file when start is not below end,
// and rewinds to the region's start. A region reaching past the file is cut at the file's end
// and gives eofErr, the reader being usable all the same.
OSErr SetFileRefNumReadUsingBuffer(ReadDiskRec* rec, SInt16 refNum, SInt32 start, SInt32 end);

// Reads up to *count bytes into dst. On return *count holds the bytes delivered and *eof tells
// whether the region is now exhausted. eofErr when the region was exhausted already or the
// request went past its end (the bytes up to the end are still delivered).
OSErr DoReadUsingBuffer(ReadDiskRec* rec, void* dst, SInt32* count, Boolean* eof);

// The file offset of the next byte to be read; 0 for a null reader.
OSErr GetFilePositionReadUsingBuffer(const ReadDiskRec* rec, SInt32* pos);
// Moves the read position to the file offset pos. A position past the region's end stops at the
// end, exhausted, and gives eofErr.
OSErr SetFilePositionReadUsingBuffer(ReadDiskRec* rec, SInt32 pos);
// Rewinds to the region's start.
OSErr ClearReadUsingBuffer(ReadDiskRec* rec);

// Closes the file when closeOnTerminate is set, and frees the buffer it owns and the reader.
OSErr TerminateReadUsingBuffer(ReadDiskRec* rec);
