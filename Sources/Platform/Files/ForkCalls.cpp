// Reading, writing and positioning in open forks.
#include "CatalogEntry.h"
#include "ForkTable.h"
#include "Location.h"
#include "NodeTable.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"

#include <algorithm>
#include <cstring>
#include <utility>

using namespace platform::files;

namespace {

// Moves the mark as the original platform did: before the start is an error, past the end
// stops at the end and reports it.
OSErr PositionMark(OpenFork& open, UInt16 posMode, SInt64 offset) {
    SInt64 length = 0;
    if (OSErr err = open.fork->GetLength(&length)) return err;
    SInt64 position;
    switch (posMode & 3) {
    case fsAtMark:
        return noErr;
    case fsFromStart:
        position = offset;
        break;
    case fsFromLEOF:
        position = length + offset;
        break;
    default:
        position = open.mark + offset;
        break;
    }
    if (position < 0) return posErr;
    if (position > length) {
        open.mark = length;
        return eofErr;
    }
    open.mark = position;
    return noErr;
}

OSErr ReadAtMark(OpenFork& open, SInt64 count, void* buffer, SInt64* done) {
    *done = 0;
    if (!open.canRead) return paramErr;
    if (count < 0) return paramErr;
    OSErr err = open.fork->Read(open.mark, buffer, count, done);
    open.mark += *done;
    return err != noErr ? err : (*done < count ? eofErr : noErr);
}

// A write failure that tests arm: the bytes still allowed, and the error after them.
struct InjectedWriteFailure {
    bool armed = false;
    SInt64 bytesLeft = 0;
    OSErr err = noErr;
};

InjectedWriteFailure& WriteFailure() {
    static InjectedWriteFailure failure;
    return failure;
}

OSErr WriteAtMark(OpenFork& open, SInt64 count, const void* buffer, SInt64* done) {
    *done = 0;
    if (!open.canWrite) return wrPermErr;
    if (count < 0) return paramErr;
    InjectedWriteFailure& failure = WriteFailure();
    SInt64 allowed = failure.armed ? std::min(count, failure.bytesLeft) : count;
    OSErr err = open.fork->Write(open.mark, buffer, allowed, done);
    open.mark += *done;
    if (failure.armed) failure.bytesLeft -= *done;
    return err == noErr && allowed < count ? failure.err : err;
}

// The tests' read observer and its reference constant.
std::pair<PlatformReadObserver, void*>& ReadWatch() {
    static std::pair<PlatformReadObserver, void*> watch{nullptr, nullptr};
    return watch;
}

} // namespace

OSErr FSRead(SInt16 refNum, SInt32* count, void* buffPtr) {
    if (const auto [observer, refCon] = ReadWatch(); observer) observer(*count, refCon);
    OpenFork* open = Forks().Find(refNum);
    if (!open) return rfNumErr;
    SInt64 done;
    OSErr err = ReadAtMark(*open, *count, buffPtr, &done);
    *count = SInt32(done);
    return err;
}

OSErr FSWrite(SInt16 refNum, SInt32* count, const void* buffPtr) {
    OpenFork* open = Forks().Find(refNum);
    if (!open) return rfNumErr;
    SInt64 done;
    OSErr err = WriteAtMark(*open, *count, buffPtr, &done);
    *count = SInt32(done);
    return err;
}

OSErr FSClose(SInt16 refNum) {
    return Forks().Close(refNum);
}

OSErr SetFPos(SInt16 refNum, SInt16 posMode, SInt32 posOff) {
    OpenFork* open = Forks().Find(refNum);
    return open ? PositionMark(*open, UInt16(posMode), posOff) : rfNumErr;
}

OSErr GetFPos(SInt16 refNum, SInt32* filePos) {
    OpenFork* open = Forks().Find(refNum);
    if (!open) return rfNumErr;
    *filePos = SInt32(open->mark);
    return noErr;
}

OSErr GetEOF(SInt16 refNum, SInt32* logEOF) {
    OpenFork* open = Forks().Find(refNum);
    if (!open) return rfNumErr;
    SInt64 length = 0;
    OSErr err = open->fork->GetLength(&length);
    *logEOF = SInt32(length);
    return err;
}

OSErr SetEOF(SInt16 refNum, SInt32 logEOF) {
    OpenFork* open = Forks().Find(refNum);
    if (!open) return rfNumErr;
    if (!open->canWrite) return wrPermErr;
    if (logEOF < 0) return paramErr;
    OSErr err = open->fork->SetLength(logEOF);
    if (err == noErr && open->mark > logEOF) open->mark = logEOF;
    return err;
}

OSErr FSpOpenDF(const FSSpec* spec, SInt8 permission, SInt16* refNum) {
    Located item = LocateSpec(spec);
    return item.err ? item.err : Forks().Open(item.path, false, permission, refNum);
}

OSErr PBHOpenSync(HParmBlkPtr pb) {
    HIOParam& io = pb->ioParam;
    io.ioRefNum = 0;
    Located item = LocateItem(io.ioVRefNum, io.ioDirID, io.ioNamePtr);
    OSErr err = item.err ? item.err : Forks().Open(item.path, false, io.ioPermssn, &io.ioRefNum);
    if (err != noErr && err != opWrErr) io.ioRefNum = 0;
    return io.ioResult = err;
}

OSErr PBCloseSync(ParmBlkPtr pb) {
    return pb->ioParam.ioResult = FSClose(pb->ioParam.ioRefNum);
}

OSErr PBGetFCBInfoSync(FCBPBPtr pb) {
    SInt16 refNum = pb->ioFCBIndx > 0 ? Forks().RefNumAt(pb->ioFCBIndx) : pb->ioRefNum;
    OpenFork* open = Forks().Find(refNum);
    if (!open) return pb->ioResult = (pb->ioFCBIndx > 0 ? fnOpnErr : rfNumErr);
    std::string name = LeafName(open->path);
    if (pb->ioNamePtr) {
        // The name goes into an FSSpec-sized buffer; a cut name would name another file.
        if (name.size() > 63) return pb->ioResult = bdNamErr;
        platform::ToPascal(name, pb->ioNamePtr);
    }
    SInt64 length = 0;
    open->fork->GetLength(&length);
    pb->ioRefNum = refNum;
    pb->ioFCBFlNm = UInt32(Nodes().IdForPath(open->path));
    pb->ioFCBFlags = UInt16((open->canWrite ? kioFCBWriteMask : 0) |
                            (open->resourceFork ? kioFCBResourceMask : 0));
    pb->ioFCBEOF = SInt32(length);
    pb->ioFCBPLen = PhysicalLength(length);
    pb->ioFCBCrPs = SInt32(open->mark);
    pb->ioFCBVRefNum = Volumes().VolumeForPath(open->path);
    pb->ioFCBParID = Nodes().IdForPath(ParentPath(open->path));
    return pb->ioResult = noErr;
}

void PlatformSetReadObserver(PlatformReadObserver observer, void* refCon) {
    ReadWatch() = {observer, refCon};
}

void PlatformFailWritesAfter(SInt64 bytes, OSErr err) {
    WriteFailure() = {true, bytes, err};
}

void PlatformClearWriteFailure() {
    WriteFailure() = {};
}
