#include "DataFiles.h"
#include "MorrowCommon_2/ReadUsingBuffer.h"
#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"

#include <gtest/gtest.h>

namespace {

// Records the size of every FSRead made while it lives.
class FileReads {
  public:
    FileReads() { PlatformSetReadObserver(&Note, this); }
    ~FileReads() { PlatformSetReadObserver(nullptr, nullptr); }
    FileReads(const FileReads&) = delete;
    FileReads& operator=(const FileReads&) = delete;
    std::vector<SInt32> sizes;

  private:
    static void Note(SInt32 count, void* self) {
        static_cast<FileReads*>(self)->sizes.push_back(count);
    }
};

struct ReadResult {
    OSErr err;
    SInt32 count;
    Boolean eof;
    bool operator==(const ReadResult&) const = default;
};

ReadResult Read(ReadDiskRec* rec, UInt8* dst, SInt32 want) {
    ReadResult r{noErr, want, false};
    r.err = DoReadUsingBuffer(rec, dst, &r.count, &r.eof);
    return r;
}

class ReadUsingBufferTest : public ::testing::Test {
  protected:
    ReadDiskRec* Reader(SInt32 start = 0, SInt32 end = 0) {
        rec_ = InitReadUsingBuffer(file_.refNum(), nullptr, 0, start, end);
        return rec_;
    }
    ~ReadUsingBufferTest() override { TerminateReadUsingBuffer(rec_); }

    OpenDataFile file_{PatternBytes(40000)};
    ReadDiskRec* rec_ = nullptr;
    UInt8 piece_[20000] = {};
};

} // namespace

TEST_F(ReadUsingBufferTest, SmallPiecesGoToTheFileOncePerBlock) {
    ReadDiskRec* rec = Reader();
    FileReads reads;
    for (SInt32 n = 0; n < 399; ++n) {
        ASSERT_EQ(Read(rec, piece_, 100).err, noErr);
        ASSERT_EQ(piece_[99], PatternByte(n * 100 + 99));
    }
    EXPECT_EQ(Read(rec, piece_, 100), (ReadResult{noErr, 100, true}));
    EXPECT_EQ(Read(rec, piece_, 100), (ReadResult{eofErr, 0, true}));
    EXPECT_EQ(reads.sizes, (std::vector<SInt32>{16384, 16384, 7232}));
}

TEST_F(ReadUsingBufferTest, LargeRequestsBypassTheBuffer) {
    ReadDiskRec* rec = Reader();
    FileReads reads;
    EXPECT_EQ(Read(rec, piece_, 20000).count, 20000);
    EXPECT_EQ(rec->bufFill, 0);
    EXPECT_EQ(piece_[19999], PatternByte(19999));
    EXPECT_EQ(Read(rec, piece_, 50).count, 50); // refills from where the direct read stopped
    EXPECT_EQ(piece_[0], PatternByte(20000));
    EXPECT_EQ(Read(rec, piece_, 16384).count, 16384); // buffered bytes first, then the file
    EXPECT_EQ(piece_[16383], PatternByte(20050 + 16383));
    EXPECT_EQ(reads.sizes, (std::vector<SInt32>{20000, 16384, 3616})); // the last block is short
}

TEST_F(ReadUsingBufferTest, RequestsPastTheEndDeliverWhatRemains) {
    ReadDiskRec* rec = Reader(0, 10100);
    ASSERT_EQ(SetFilePositionReadUsingBuffer(rec, 10000), noErr);
    EXPECT_EQ(Read(rec, piece_, 150), (ReadResult{eofErr, 100, true}));
    EXPECT_EQ(piece_[99], PatternByte(10099));

    ASSERT_EQ(ClearReadUsingBuffer(rec), noErr);
    ASSERT_EQ(Read(rec, piece_, 10000).count, 10000); // the block then holds the last 100
    EXPECT_EQ(Read(rec, piece_, 150), (ReadResult{eofErr, 100, true}));
}

TEST_F(ReadUsingBufferTest, RegionsAreCutAtTheFileEnd) {
    ReadDiskRec* rec = Reader(100, 99999);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->regionEnd, 40000);
    Read(rec, piece_, 1); // starts at the region's start all the same
    EXPECT_EQ(piece_[0], PatternByte(100));
    EXPECT_EQ(SetFileRefNumReadUsingBuffer(rec, file_.refNum(), 50000, 60000), eofErr);
    ReadResult r = Read(rec, piece_, 10);
    EXPECT_EQ(r.err, eofErr);
    EXPECT_EQ(r.count, 0);

    EXPECT_EQ(SetFileRefNumReadUsingBuffer(rec, file_.refNum(), 5, 5), noErr); // the whole file
    EXPECT_EQ(rec->regionStart, 0);
    EXPECT_EQ(rec->regionEnd, 40000);
}

TEST_F(ReadUsingBufferTest, FileCutShortEndsTheRegion) {
    ReadDiskRec* rec = Reader();
    ASSERT_EQ(SetEOF(file_.refNum(), 20100), noErr);
    EXPECT_EQ(Read(rec, piece_, 20000).err, noErr);
    EXPECT_EQ(Read(rec, piece_, 200), (ReadResult{eofErr, 100, true}));
    EXPECT_EQ(piece_[99], PatternByte(20099));
    EXPECT_EQ(Read(rec, piece_, 1).err, eofErr);
}
