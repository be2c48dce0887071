#include "MorrowCommon_2/MyOpenDataFileClass.h"

#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "Platform/MacErrors.h"

MyOpenDataFileClass::MyOpenDataFileClass()
    : fileRefNum(0), lastError(noErr), closeOnDestroy(false), hasFile(false) {}

MyOpenDataFileClass::~MyOpenDataFileClass() {
    CloseOwnedFile();
}

void MyOpenDataFileClass::CloseOwnedFile() {
    if (closeOnDestroy && fileRefNum != 0) MyCloseFile(fileRefNum);
    fileRefNum = 0;
}

OSErr MyOpenDataFileClass::SetDataFile(const FSSpec* spec) {
    CloseOwnedFile();
    closeOnDestroy = hasFile = true;
    return lastError = MyOnlyOpenFile(spec, &fileRefNum);
}

void MyOpenDataFileClass::SetDataFile(SInt16 refNum) {
    CloseOwnedFile();
    closeOnDestroy = false;
    fileRefNum = refNum;
    hasFile = true;
}

SInt32 MyOpenDataFileClass::GetTheOffset(SInt16 mode, SInt32 offset) {
    SInt32 base = 0;
    switch (mode) {
    case fsFromStart:
        lastError = noErr;
        break;
    case fsFromLEOF:
        lastError = GetEOF(fileRefNum, &base);
        break;
    case fsFromMark:
        lastError = GetFPos(fileRefNum, &base);
        break;
    default:
        lastError = paramErr; // no base to count from
        break;
    }
    return base + offset;
}

void MyOpenDataFileClass::SetToTheTopOfFile() {
    SetThePosition(0);
}

void MyOpenDataFileClass::SetThePosition(SInt32 offset) {
    lastError = SetFPos(fileRefNum, fsFromStart, offset);
}

void MyOpenDataFileClass::SetTheEndOfFile(SInt32 length) {
    lastError = SetEOF(fileRefNum, length);
}

SInt32 MyOpenDataFileClass::GetTheEndOfFile() {
    SInt32 length = 0;
    lastError = GetEOF(fileRefNum, &length);
    return length;
}
