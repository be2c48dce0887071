// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// A scoped view of one open data fork: reads and writes byte ranges given as absolute offsets
// or relative to the start (fsFromStart), the end (fsFromLEOF) or the mark (fsFromMark), and
// searches the file for a byte pattern. Operations record their outcome in lastError. The file
// is closed at the end only when the object opened it.
#pragma once

#include "Platform/Files.h"

class MyOpenDataFileClass {
  public:
    MyOpenDataFileClass();
    ~MyOpenDataFileClass();
    MyOpenDataFileClass(const MyOpenDataFileClass&) = delete;
    MyOpenDataFileClass& operator=(const MyOpenDataFileClass&) = delete;

    // Opens the data fork for reading and writing; it is closed at the end. A file the object
    // opened before is closed first.
    OSErr SetDataFile(const FSSpec* spec);
    // Adopts a data fork that is open already; it stays open at the end.
    void SetDataFile(SInt16 refNum);

    // The absolute offset of offset in mode; a mode other than the three gives paramErr.
    SInt32 GetTheOffset(SInt16 mode, SInt32 offset);

    // Reads the bytes [start, end) into buffer; count receives the bytes read.
    void ReadTheData(void* buffer, SInt32 start, SInt32 end, SInt32* count);
    // Reads *count bytes at the mark.
    void ReadTheData(void* buffer, SInt32* count);
    // Reads between two relative offsets; eofErr, reading nothing, when the start is not below
    // the end.
    void ReadTheData(void* buffer, SInt16 startMode, SInt32 startOffset, SInt16 endMode,
                     SInt32 endOffset, SInt32* count);
    void WriteTheData(const void* buffer, SInt32 start, SInt32 end, SInt32* count);
    void WriteTheData(const void* buffer, SInt32* count);
    void WriteTheData(const void* buffer, SInt16 startMode, SInt32 startOffset, SInt16 endMode,
                      SInt32 endOffset, SInt32* count);

    void SetToTheTopOfFile();
    void SetThePosition(SInt32 offset);
    void SetTheEndOfFile(SInt32 length);
    SInt32 GetTheEndOfFile();

    // The absolute offset of the first occurrence of the pattern within [start, end), or -1
    // when there is none (lastError 0) or an error occurred (lastError tells which). A start
    // not below the end gives eofErr. The file's mark is left where the search stopped.
    SInt32 SearchData(SInt32 start, SInt32 end, const void* pattern, SInt32 patternLength);
    SInt32 SearchData(SInt16 startMode, SInt32 startOffset, SInt16 endMode, SInt32 endOffset,
                      const void* pattern, SInt32 patternLength);
    // The whole file.
    SInt32 SearchData(const void* pattern, SInt32 patternLength);

    SInt16 fileRefNum;
    OSErr lastError;
    Boolean closeOnDestroy;
    Boolean hasFile;

  private:
    typedef OSErr (*Transfer)(SInt16 refNum, SInt32* count, void* buffer);
    void CloseOwnedFile();
    // Resolves both relative offsets into start and end; false, with lastError set, on an
    // error or when the start is not below the end.
    bool ResolveRange(SInt16 startMode, SInt32 startOffset, SInt16 endMode, SInt32 endOffset,
                      SInt32* start, SInt32* end);
    void TransferRange(Transfer transfer, void* buffer, SInt32 start, SInt32 end, SInt32* count);
};
