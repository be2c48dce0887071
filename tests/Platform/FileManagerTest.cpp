#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/FinderInfo.h"
#include "TestSupport/ResourceFiles.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

UInt32 Big32(const std::vector<UInt8>& b, size_t at) {
    return (UInt32(b[at]) << 24) | (UInt32(b[at + 1]) << 16) | (UInt32(b[at + 2]) << 8) | b[at + 3];
}

// Entry id -> (offset, length) of an AppleDouble file.
std::map<UInt32, std::pair<UInt32, UInt32>> SidecarEntries(const std::vector<UInt8>& b) {
    std::map<UInt32, std::pair<UInt32, UInt32>> entries;
    for (size_t i = 0; i < ((size_t(b[24]) << 8) | b[25]); ++i)
        entries[Big32(b, 26 + 12 * i)] = {Big32(b, 30 + 12 * i), Big32(b, 34 + 12 * i)};
    return entries;
}

std::string Text(const std::vector<UInt8>& b, size_t at, size_t length) {
    return std::string(b.begin() + long(at), b.begin() + long(at + length));
}

OSType TypeOf(const FSSpec& spec) {
    FInfo info{};
    GetFileFinderInfo(spec, &info);
    return info.fdType;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

CInfoPBRec CatInfo(SInt16 vRefNum, SInt32 dirID, StringPtr name, SInt16 index = 0) {
    CInfoPBRec pb{};
    pb.hFileInfo.ioNamePtr = name;
    pb.hFileInfo.ioVRefNum = vRefNum;
    pb.hFileInfo.ioDirID = dirID;
    pb.hFileInfo.ioFDirIndex = index;
    return pb;
}

std::set<std::string> ListByIndex(const std::string& folderPath) {
    FolderLocation folder = LocateFolderPath(folderPath);
    std::set<std::string> names;
    Str255 name;
    for (SInt16 index = 1;; ++index) {
        CInfoPBRec pb = CatInfo(folder.vRefNum, folder.dirID, name, index);
        if (PBGetCatInfoSync(&pb) != noErr) return names;
        names.insert(TextOf(name));
    }
}

} // namespace

TEST(FileManager, SidecarHoldsFinderInfoAndResourceForkAndFollowsItsFile) {
    TempFolder temp;
    FSSpec spec = SpecIn(temp.str(), "Report");
    ASSERT_EQ(FSpCreate(&spec, FOUR_CHAR_CODE("ttxt"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
    EXPECT_EQ(FSpCreate(&spec, 0, 0, -1), dupFNErr);
    SInt16 refNum = OpenResourceFork(spec, fsRdWrPerm);
    ASSERT_NE(refNum, 0);
    SInt32 count = 5;
    ASSERT_EQ(FSWrite(refNum, &count, "RSRC!"), noErr);
    ASSERT_EQ(FSClose(refNum), noErr);

    std::vector<UInt8> sidecar = ReadFileBytes(temp / "._Report");
    ASSERT_GE(sidecar.size(), 26u);
    EXPECT_EQ(Big32(sidecar, 0), 0x00051607u);
    EXPECT_EQ(Big32(sidecar, 4), 0x00020000u);
    auto entries = SidecarEntries(sidecar);
    ASSERT_TRUE(entries.count(9) && entries.count(2));
    EXPECT_EQ(entries[9].second, 32u);
    EXPECT_EQ(Big32(sidecar, entries[9].first), FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(Big32(sidecar, entries[9].first + 4), FOUR_CHAR_CODE("ttxt"));
    EXPECT_EQ(Text(sidecar, entries[2].first, 5), "RSRC!");

    // The catalog reports the resource fork's length from the sidecar.
    HParamBlockRec pb = FileParamsFor(spec);
    ASSERT_EQ(PBHGetFInfoSync(&pb), noErr);
    EXPECT_EQ(pb.fileParam.ioFlRLgLen, 5);
    EXPECT_EQ(pb.fileParam.ioFlRPyLen, 512);
    EXPECT_EQ(pb.fileParam.ioFlLgLen, 0);

    EXPECT_EQ(ListByIndex(temp.str()), std::set<std::string>{"Report"});
    ASSERT_EQ(FSpDelete(&spec), noErr);
    EXPECT_FALSE(fs::exists(temp / "Report") || fs::exists(temp / "._Report"));
}

TEST(FileManager, SidecarBytesForOtherWritersAreWhatTheCatalogReads) {
    TempFolder temp;
    FSSpec made = SpecIn(temp.str(), "Made"), written = SpecIn(temp.str(), "Written");
    ASSERT_EQ(FSpCreate(&made, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
    Str255 name;
    UInt8 bytes[kFinderInfoSidecarSize];
    SInt32 length = 0;
    ASSERT_EQ(PlatformFinderInfoSidecar(written.name, FOUR_CHAR_CODE("????"),
                                        FOUR_CHAR_CODE("TEXT"), name, bytes, &length),
              noErr);
    EXPECT_EQ(TextOf(name), "._Written");
    std::ofstream(temp / "Written");
    std::ofstream(temp / TextOf(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes), length);
    // Byte for byte what the File Manager writes for a new file of that type and creator.
    EXPECT_EQ(ReadFileBytes(temp / "._Written"), ReadFileBytes(temp / "._Made"));
    FInfo info{};
    ASSERT_EQ(GetFileFinderInfo(written, &info), noErr);
    EXPECT_EQ(info.fdType, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(info.fdCreator, FOUR_CHAR_CODE("????"));

    // A sidecar's name must fit a file name.
    EXPECT_EQ(PlatformFinderInfoSidecar(PString(std::string(254, 'n')), 0, 0, name, bytes, &length),
              bdNamErr);
    EXPECT_EQ(PlatformFinderInfoSidecar(PString(""), 0, 0, name, bytes, &length), bdNamErr);
}

TEST(FileManager, RewritingASidecarKeepsUnknownEntriesAndSurvivesDamage) {
    TempFolder temp;
    WriteFile(temp / "Notes", "data");
    // A sidecar written elsewhere with a real-name entry (3) that this layer does not use.
    WriteFile(temp / "._Notes", std::string("\0\5\x16\7\0\2", 6) + std::string(18, '\0') +
                                    std::string("\0\1\0\0\0\3\0\0\0\x26\0\0\0\5Notes", 19));
    FSSpec spec = SpecIn(temp.str(), "Notes");
    FInfo info{}, back{};
    info.fdType = FOUR_CHAR_CODE("TEXT");
    info.fdFlags = kIsStationery;
    ASSERT_EQ(SetFileFinderInfo(spec, info), noErr);
    ASSERT_EQ(GetFileFinderInfo(spec, &back), noErr);
    EXPECT_EQ(back.fdType, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(back.fdFlags, kIsStationery);
    std::vector<UInt8> sidecar = ReadFileBytes(temp / "._Notes");
    auto entries = SidecarEntries(sidecar);
    ASSERT_EQ(entries.count(3), 1u);
    EXPECT_EQ(Text(sidecar, entries[3].first, 5), "Notes");

    // A truncated sidecar reads as none; it is never trusted past its end.
    WriteFile(temp / "._Notes", std::string("\0\5\x16\7\0\2\0\0", 8) + std::string(18, '\0') +
                                    std::string("\0\0\0\x09\0\0\x10\0\0\0\0\x20", 12));
    ASSERT_EQ(GetFileFinderInfo(spec, &back), noErr);
    EXPECT_EQ(back.fdType, 0u);
}

TEST(FileManager, FoldersAndNamesAreCheckedNeverTheCurrentFolder) {
    TempFolder temp;
    FSSpec spec{};
    Str255 name;
    SetPascal(name, "file");
    EXPECT_EQ(FSMakeFSSpec(0, 0, name, &spec), nsvErr);
    spec = FSSpec{};
    SetPascal(spec.name, "file");
    EXPECT_EQ(FSpCreate(&spec, 0, 0, -1), nsvErr);
    EXPECT_FALSE(fs::exists("file"));

    FolderLocation folder = LocateFolderPath(temp.str());
    for (const std::string& bad :
         std::vector<std::string>{"a/b", "._hidden", std::string(64, 'x')}) {
        SetPascal(name, bad);
        EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, folder.dirID, name, &spec), bdNamErr) << bad;
    }
    SetPascal(name, "missing");
    EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, 0x7FFFFFF0, name, &spec), dirNFErr);
    // A missing file still gets its FSSpec, with the news that it is not there yet.
    EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, folder.dirID, name, &spec), fnfErr);
    EXPECT_EQ(spec.parID, folder.dirID);
    EXPECT_EQ(TextOf(spec.name), "missing");
}

TEST(FileManager, ForksReadWriteAndPositionAsTheOriginalDid) {
    TempFolder temp;
    FSSpec spec = SpecIn(temp.str(), "data");
    ASSERT_EQ(FSpCreate(&spec, 0, FOUR_CHAR_CODE("TEXT"), -1), noErr);
    SInt16 refNum = 0;
    ASSERT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), noErr);
    SInt32 count = 10, eof = 0, mark = 0;
    ASSERT_EQ(FSWrite(refNum, &count, "0123456789"), noErr);
    ASSERT_EQ(GetEOF(refNum, &eof), noErr);
    EXPECT_EQ(GetFPos(refNum, &mark), noErr);
    EXPECT_EQ(std::pair(eof, mark), std::pair(10, 10));

    EXPECT_EQ(SetFPos(refNum, fsFromStart, -1), posErr);
    EXPECT_EQ(SetFPos(refNum, fsFromLEOF, -4), noErr);
    char buffer[16] = {};
    count = 8;
    EXPECT_EQ(FSRead(refNum, &count, buffer), eofErr);
    EXPECT_EQ(count, 4);
    EXPECT_STREQ(buffer, "6789");
    EXPECT_EQ(SetFPos(refNum, fsFromStart, 20), eofErr);
    GetFPos(refNum, &mark);
    EXPECT_EQ(mark, 10);
    ASSERT_EQ(SetEOF(refNum, 3), noErr);
    GetFPos(refNum, &mark);
    EXPECT_EQ(mark, 3);
    ASSERT_EQ(FSClose(refNum), noErr);
    EXPECT_EQ(FSClose(refNum), rfNumErr);
    EXPECT_EQ(fs::file_size(temp / "data"), 3u);

    ASSERT_EQ(FSpOpenDF(&spec, fsRdPerm, &refNum), noErr);
    count = 1;
    EXPECT_EQ(FSWrite(refNum, &count, "x"), wrPermErr);
    EXPECT_EQ(SetEOF(refNum, 0), wrPermErr);
    FSClose(refNum);
}

TEST(FileManager, LocksAndOpenFilesGuardAgainstChange) {
    TempFolder temp;
    FSSpec spec = SpecIn(temp.str(), "guarded");
    ASSERT_EQ(FSpCreate(&spec, 0, 0, -1), noErr);
    ASSERT_EQ(LockFile(spec), noErr);
    SInt16 refNum = 0, second = 0;
    EXPECT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), permErr);
    EXPECT_EQ(FSpDelete(&spec), fLckdErr);
    CInfoPBRec pb = CatInfo(spec.vRefNum, spec.parID, spec.name);
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_TRUE(pb.hFileInfo.ioFlAttrib & kioFlAttribLockedMask);
    ASSERT_EQ(FSpRstFLock(&spec), noErr);

    ASSERT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), noErr);
    EXPECT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &second), opWrErr);
    EXPECT_EQ(second, refNum);
    EXPECT_EQ(FSpDelete(&spec), fBsyErr);
    // The open fork knows where it lives and which fork it is.
    Str255 name;
    FCBPBRec fcb{};
    fcb.ioRefNum = refNum;
    fcb.ioNamePtr = name;
    ASSERT_EQ(PBGetFCBInfoSync(&fcb), noErr);
    EXPECT_EQ(fcb.ioFCBParID, spec.parID);
    EXPECT_EQ(fcb.ioFCBFlags & (kioFCBResourceMask | kioFCBWriteMask), kioFCBWriteMask);
    EXPECT_EQ(TextOf(name), "guarded");
    FSClose(refNum);
    EXPECT_EQ(FSpDelete(&spec), noErr);

    fs::create_directory(temp / "full");
    WriteFile(temp / "full/inside", "");
    FSSpec full = SpecIn(temp.str(), "full");
    EXPECT_EQ(FSpDelete(&full), fBsyErr);
    EXPECT_EQ(FSpOpenDF(&full, fsRdPerm, &refNum), notAFileErr);
}

TEST(FSpExchangeFiles, ContentsAndSidecarsChangePlacesNamesStay) {
    TempFolder temp;
    FSSpec a = SpecIn(temp.str(), "A"), b = SpecIn(temp.str(), "B");
    ASSERT_EQ(FSpCreate(&a, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
    ASSERT_EQ(FSpCreate(&b, FOUR_CHAR_CODE("ttxt"), FOUR_CHAR_CODE("PREF"), -1), noErr);
    WriteFile(temp / "A", "first");
    WriteFile(temp / "B", "second, longer");

    ASSERT_EQ(FSpExchangeFiles(&a, &b), noErr);
    EXPECT_EQ(ReadFileText(temp / "A"), "second, longer");
    EXPECT_EQ(ReadFileText(temp / "B"), "first");
    EXPECT_EQ(TypeOf(a), FOUR_CHAR_CODE("PREF"));
    EXPECT_EQ(TypeOf(b), FOUR_CHAR_CODE("TEXT"));

    // A file without a sidecar hands the other name none.
    WriteFile(temp / "C", "plain");
    FSSpec c = SpecIn(temp.str(), "C");
    ASSERT_EQ(FSpExchangeFiles(&a, &c), noErr);
    EXPECT_EQ(ReadFileText(temp / "A"), "plain");
    EXPECT_FALSE(fs::exists(temp / "._A"));
    EXPECT_EQ(TypeOf(c), FOUR_CHAR_CODE("PREF"));
    EXPECT_EQ(FSpExchangeFiles(&a, &a), noErr);
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), {}), 5);
}

TEST(FSpExchangeFiles, RefusesWhatCannotBeExchanged) {
    TempFolder temp;
    FSSpec a = SpecIn(temp.str(), "A"), missing = SpecIn(temp.str(), "Missing");
    ASSERT_EQ(FSpCreate(&a, 0, 0, -1), noErr);
    fs::create_directory(temp / "Folder");
    FSSpec folder = SpecIn(temp.str(), "Folder");

    EXPECT_EQ(FSpExchangeFiles(&a, &missing), fnfErr);
    EXPECT_EQ(FSpExchangeFiles(&missing, &a), fnfErr);
    EXPECT_EQ(FSpExchangeFiles(&a, &folder), notAFileErr);

    FSSpec b = SpecIn(temp.str(), "B");
    ASSERT_EQ(FSpCreate(&b, 0, 0, -1), noErr);
    SInt16 refNum;
    ASSERT_EQ(FSpOpenDF(&b, fsRdPerm, &refNum), noErr);
    EXPECT_EQ(FSpExchangeFiles(&a, &b), fBsyErr);
    FSClose(refNum);
    EXPECT_EQ(FSpExchangeFiles(&a, &b), noErr);
}
