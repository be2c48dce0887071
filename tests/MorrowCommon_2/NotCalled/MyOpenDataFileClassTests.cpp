#include "DataFiles.h"
#include "MorrowCommon_2/MyOpenDataFileClass.h"
#include "Platform/MacErrors.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Bytes 1022 to 1025 straddle the first two pieces of a search; 0xFF is not in the cycle.
constexpr UInt8 kMarker[] = {0xFF, 0xFE, 0xFD, 0xFC};

std::vector<UInt8> MarkedBytes() {
    std::vector<UInt8> bytes = PatternBytes(5000);
    std::memcpy(bytes.data() + 1022, kMarker, 4);
    return bytes;
}

class DataFileTest : public ::testing::Test {
  protected:
    DataFileTest() { data_.SetDataFile(file_.refNum()); }

    std::vector<UInt8> bytes_ = MarkedBytes();
    OpenDataFile file_{bytes_};
    MyOpenDataFileClass data_;
    UInt8 buffer_[6000] = {};
    SInt32 count_ = -1;
};

} // namespace

TEST_F(DataFileTest, ReadsRanges) {
    data_.ReadTheData(buffer_, 1, 0, 2, 0, &count_);
    EXPECT_EQ(count_, 5000);
    EXPECT_EQ(data_.lastError, noErr);
    EXPECT_EQ(std::vector<UInt8>(buffer_, buffer_ + 5000), bytes_);

    data_.ReadTheData(buffer_, 1, 10, 1, 10, &count_);
    EXPECT_EQ(count_, 0);
    EXPECT_EQ(data_.lastError, eofErr);

    data_.ReadTheData(buffer_, 4990, 5010, &count_); // the file ends first
    EXPECT_EQ(count_, 10);
    EXPECT_EQ(data_.lastError, eofErr);

    data_.GetTheOffset(fsFromStart, 0);                                   // clears the last failure
    data_.ReadTheData(buffer_, fsFromStart, 100, fsFromMark, 0, &count_); // mark at 5000
    EXPECT_EQ(count_, 4900);
    EXPECT_EQ(buffer_[0], PatternByte(100));

    data_.SetThePosition(20);
    count_ = 3;
    data_.ReadTheData(buffer_, &count_);
    EXPECT_EQ(buffer_[0], PatternByte(20));
    data_.ReadTheData(buffer_, 1, 0, 7, 0, &count_); // no base for mode 7
    EXPECT_EQ(count_, 0);
    EXPECT_EQ(data_.lastError, paramErr);
}

TEST_F(DataFileTest, WritesRangesAndSetsTheEnd) {
    const char text[] = "abcdef";
    data_.WriteTheData(text, fsFromLEOF, 0, fsFromLEOF, 6, &count_);
    EXPECT_EQ(count_, 6);
    data_.WriteTheData(text, 0, 2, &count_);
    data_.SetThePosition(2);
    count_ = 1;
    data_.WriteTheData("Z", &count_);
    EXPECT_EQ(data_.lastError, noErr);
    std::vector<UInt8> expected = bytes_;
    expected.insert(expected.end(), text, text + 6);
    std::memcpy(expected.data(), "abZ", 3);
    EXPECT_EQ(file_.contents(), expected);

    data_.SetTheEndOfFile(10);
    EXPECT_EQ(data_.GetTheEndOfFile(), 10);
    data_.SetToTheTopOfFile();
    EXPECT_EQ(data_.GetTheOffset(fsFromMark, 0), 0);
}

TEST_F(DataFileTest, SearchFindsPatternsAcrossPieces) {
    EXPECT_EQ(data_.SearchData(kMarker, 4), 1022);
    EXPECT_EQ(data_.lastError, noErr);
    const UInt8 near_end[] = {PatternByte(4998), PatternByte(4999)};
    EXPECT_EQ(data_.SearchData(near_end, 2), 229); // the cycle's first occurrence
    EXPECT_EQ(data_.SearchData(4800, 5000, near_end, 2), 4998);

    EXPECT_EQ(data_.SearchData(bytes_.data() + 600, 1400), 600); // longer than a default piece
}

TEST(MyOpenDataFileClass, ClosesOnlyWhatItOpened) {
    OpenDataFile file(PatternBytes(10)), adopted(PatternBytes(10));
    MyCloseFile(file.refNum()); // a file open for writing cannot be opened again
    SInt16 opened = 0;
    {
        MyOpenDataFileClass data;
        EXPECT_EQ(data.SetDataFile(&file.spec()), noErr);
        EXPECT_TRUE(data.closeOnDestroy && data.hasFile);
        opened = data.fileRefNum;
        data.SetDataFile(adopted.refNum()); // the file it opened is closed before adopting
        EXPECT_FALSE(data.closeOnDestroy);
    }
    SInt32 length = 0;
    EXPECT_EQ(GetEOF(opened, &length), rfNumErr);
    EXPECT_EQ(GetEOF(adopted.refNum(), &length), noErr);

    MyOpenDataFileClass missing;
    FSSpec gone = file.spec();
    gone.name[1] = 'X';
    EXPECT_EQ(missing.SetDataFile(&gone), fnfErr);
    EXPECT_EQ(missing.fileRefNum, 0);
}
