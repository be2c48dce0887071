// Test support: a data file of known bytes in a temporary folder, open for reading and writing.
#pragma once

#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/ResourceFiles.h"

#include <vector>

// Byte i of a patterned file: a cycle of 251 values, so no short run repeats.
inline UInt8 PatternByte(SInt32 i) {
    return UInt8(i % 251);
}

inline std::vector<UInt8> PatternBytes(SInt32 size) {
    std::vector<UInt8> bytes(size);
    for (SInt32 i = 0; i < size; ++i)
        bytes[i] = PatternByte(i);
    return bytes;
}

class OpenDataFile {
  public:
    explicit OpenDataFile(const std::vector<UInt8>& bytes)
        : spec_(testsupport::SpecIn(temp_.str(), "data")) {
        testsupport::WriteFileBytes(temp_ / "data", bytes);
        MyOnlyOpenFile(&spec_, &refNum_);
    }
    ~OpenDataFile() { MyCloseFile(refNum_); }
    OpenDataFile(const OpenDataFile&) = delete;
    OpenDataFile& operator=(const OpenDataFile&) = delete;

    SInt16 refNum() const { return refNum_; }
    const FSSpec& spec() const { return spec_; }
    std::vector<UInt8> contents() const { return testsupport::ReadFileBytes(temp_ / "data"); }

  private:
    testsupport::TempFolder temp_;
    FSSpec spec_;
    SInt16 refNum_ = 0;
};
