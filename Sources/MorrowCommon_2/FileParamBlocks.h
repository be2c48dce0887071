// Parameter-block filling shared by the file utilities.
#pragma once

#include "MorrowCommon_2/MyByteBuffers.h"
#include "Platform/Files.h"

// Parameter blocks hold names as writable pointers, but a lookup by name (file index 0) only
// reads the name.
inline StringPtr NameToRead(ConstStr255Param name) {
    return const_cast<StringPtr>(name);
}

// Blocks start all zero, so that no field a call does not name holds a stale value.
template <class Block> void ClearParamBlock(Block* pb) {
    SetDataToZero(pb, sizeof *pb);
}

// PBHGetFInfoSync on the file named by the triple, looked up by name (ioFDirIndex 0).
OSErr GetFileInfoByName(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, HParamBlockRec* pb);
