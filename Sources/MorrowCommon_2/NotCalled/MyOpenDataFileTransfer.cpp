#include "MorrowCommon_2/MyOpenDataFileClass.h"

#include "Platform/MacErrors.h"

namespace {

OSErr ReadCall(SInt16 refNum, SInt32* count, void* buffer) {
    return FSRead(refNum, count, buffer);
}

OSErr WriteCall(SInt16 refNum, SInt32* count, void* buffer) {
    return FSWrite(refNum, count, buffer);
}

} // namespace

bool MyOpenDataFileClass::ResolveRange(SInt16 startMode, SInt32 startOffset, SInt16 endMode,
                                       SInt32 endOffset, SInt32* start, SInt32* end) {
    *start = GetTheOffset(startMode, startOffset);
    if (lastError != noErr) return false;
    *end = GetTheOffset(endMode, endOffset);
    if (lastError != noErr) return false;
    if (*start >= *end) lastError = eofErr;
    return lastError == noErr;
}

void MyOpenDataFileClass::TransferRange(Transfer transfer, void* buffer, SInt32 start, SInt32 end,
                                        SInt32* count) {
    *count = 0;
    lastError = SetFPos(fileRefNum, fsFromStart, start);
    if (lastError != noErr) return;
    *count = end - start;
    lastError = transfer(fileRefNum, count, buffer);
}

void MyOpenDataFileClass::ReadTheData(void* buffer, SInt32 start, SInt32 end, SInt32* count) {
    TransferRange(ReadCall, buffer, start, end, count);
}

void MyOpenDataFileClass::ReadTheData(void* buffer, SInt32* count) {
    lastError = FSRead(fileRefNum, count, buffer);
}

void MyOpenDataFileClass::ReadTheData(void* buffer, SInt16 startMode, SInt32 startOffset,
                                      SInt16 endMode, SInt32 endOffset, SInt32* count) {
    SInt32 start, end;
    *count = 0;
    if (ResolveRange(startMode, startOffset, endMode, endOffset, &start, &end))
        ReadTheData(buffer, start, end, count);
}

void MyOpenDataFileClass::WriteTheData(const void* buffer, SInt32 start, SInt32 end,
                                       SInt32* count) {
    // The write call only reads from the buffer.
    TransferRange(WriteCall, const_cast<void*>(buffer), start, end, count);
}

void MyOpenDataFileClass::WriteTheData(const void* buffer, SInt32* count) {
    lastError = FSWrite(fileRefNum, count, buffer);
}

void MyOpenDataFileClass::WriteTheData(const void* buffer, SInt16 startMode, SInt32 startOffset,
                                       SInt16 endMode, SInt32 endOffset, SInt32* count) {
    SInt32 start, end;
    *count = 0;
    if (ResolveRange(startMode, startOffset, endMode, endOffset, &start, &end))
        WriteTheData(buffer, start, end, count);
}
