#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <vector>

using namespace testsupport;

namespace {

std::vector<UInt8> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<UInt8>(std::istreambuf_iterator<char>(in), {});
}

UInt32 Big32(const std::vector<UInt8>& b, size_t at) {
    return (UInt32(b[at]) << 24) | (UInt32(b[at + 1]) << 16) | (UInt32(b[at + 2]) << 8) | b[at + 3];
}

// Entry id -> (offset, length) of an AppleDouble file.
std::map<UInt32, std::pair<UInt32, UInt32>> SidecarEntries(const std::vector<UInt8>& b) {
    std::map<UInt32, std::pair<UInt32, UInt32>> entries;
    size_t count = (size_t(b[24]) << 8) | b[25];
    for (size_t i = 0; i < count; ++i)
        entries[Big32(b, 26 + 12 * i)] = {Big32(b, 30 + 12 * i), Big32(b, 34 + 12 * i)};
    return entries;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::set<std::string> ListByIndex(const std::string& folderPath) {
    FolderLocation folder = LocateFolderPath(folderPath);
    std::set<std::string> names;
    for (SInt16 index = 1;; ++index) {
        Str255 name;
        CInfoPBRec pb{};
        pb.hFileInfo.ioNamePtr = name;
        pb.hFileInfo.ioVRefNum = folder.vRefNum;
        pb.hFileInfo.ioDirID = folder.dirID;
        pb.hFileInfo.ioFDirIndex = index;
        if (PBGetCatInfoSync(&pb) != noErr) break;
        names.insert(std::string(reinterpret_cast<char*>(name + 1), name[0]));
    }
    return names;
}

} // namespace

TEST(FileManager, SidecarHoldsFinderInfoAndResourceForkAndFollowsItsFile) {
    TempFolder temp;
    FSSpec spec = SpecIn(temp.str(), "Report");
    ASSERT_EQ(FSpCreate(&spec, FOUR_CHAR_CODE("ttxt"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
    EXPECT_EQ(FSpCreate(&spec, 0, 0, -1), dupFNErr);

    SInt16 refNum = 0;
    ASSERT_EQ(FSpOpenRF(&spec, fsRdWrPerm, &refNum), noErr);
    SInt32 count = 5;
    ASSERT_EQ(FSWrite(refNum, &count, "RSRC!"), noErr);
    ASSERT_EQ(FSClose(refNum), noErr);

    std::vector<UInt8> sidecar = ReadBytes(temp / "._Report");
    ASSERT_GE(sidecar.size(), 26u);
    EXPECT_EQ(Big32(sidecar, 0), 0x00051607u);
    EXPECT_EQ(Big32(sidecar, 4), 0x00020000u);
    auto entries = SidecarEntries(sidecar);
    ASSERT_EQ(entries.count(9), 1u);
    EXPECT_EQ(entries[9].second, 32u);
    EXPECT_EQ(Big32(sidecar, entries[9].first), FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(Big32(sidecar, entries[9].first + 4), FOUR_CHAR_CODE("ttxt"));
    ASSERT_EQ(entries.count(2), 1u);
    EXPECT_EQ(
        std::string(sidecar.begin() + entries[2].first, sidecar.begin() + entries[2].first + 5),
        "RSRC!");

    // The catalog reports the resource fork's length from the sidecar.
    HParamBlockRec pb{};
    pb.fileParam.ioVRefNum = spec.vRefNum;
    pb.fileParam.ioDirID = spec.parID;
    pb.fileParam.ioNamePtr = spec.name;
    ASSERT_EQ(PBHGetFInfoSync(&pb), noErr);
    EXPECT_EQ(pb.fileParam.ioFlRLgLen, 5);
    EXPECT_EQ(pb.fileParam.ioFlRPyLen, 512);
    EXPECT_EQ(pb.fileParam.ioFlLgLen, 0);

    EXPECT_EQ(ListByIndex(temp.str()), std::set<std::string>{"Report"});
    ASSERT_EQ(FSpDelete(&spec), noErr);
    EXPECT_FALSE(std::filesystem::exists(temp / "Report"));
    EXPECT_FALSE(std::filesystem::exists(temp / "._Report"));
}

TEST(FileManager, RewritingASidecarKeepsUnknownEntriesAndSurvivesDamage) {
    TempFolder temp;
    WriteFile(temp / "Notes", "data");
    // A sidecar written elsewhere with a real-name entry (3) that this layer does not use.
    std::vector<UInt8> foreign = {0, 5, 0x16, 7, 0, 2, 0, 0};
    foreign.resize(24, 0);
    foreign.insert(foreign.end(),
                   {0, 1, 0, 0, 0, 3, 0, 0, 0, 38, 0, 0, 0, 5, 'N', 'o', 't', 'e', 's'});
    std::ofstream(temp / "._Notes", std::ios::binary)
        .write(reinterpret_cast<const char*>(foreign.data()), std::streamsize(foreign.size()));

    FSSpec spec = SpecIn(temp.str(), "Notes");
    FInfo info{};
    info.fdType = FOUR_CHAR_CODE("TEXT");
    info.fdFlags = kIsStationery;
    ASSERT_EQ(FSpSetFInfo(&spec, &info), noErr);
    FInfo back{};
    ASSERT_EQ(FSpGetFInfo(&spec, &back), noErr);
    EXPECT_EQ(back.fdType, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(back.fdFlags, kIsStationery);

    std::vector<UInt8> sidecar = ReadBytes(temp / "._Notes");
    auto entries = SidecarEntries(sidecar);
    ASSERT_EQ(entries.count(3), 1u);
    EXPECT_EQ(
        std::string(sidecar.begin() + entries[3].first, sidecar.begin() + entries[3].first + 5),
        "Notes");

    // A truncated sidecar reads as none; it is never trusted past its end.
    WriteFile(temp / "._Notes", std::string("\0\5\x16\7\0\2\0\0", 8) + std::string(18, '\0') +
                                    std::string("\0\0\0\x09\0\0\x10\0\0\0\0\x20", 12));
    ASSERT_EQ(FSpGetFInfo(&spec, &back), noErr);
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
    EXPECT_FALSE(std::filesystem::exists("file"));

    FolderLocation folder = LocateFolderPath(temp.str());
    SetPascal(name, "a/b");
    EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, folder.dirID, name, &spec), bdNamErr);
    SetPascal(name, "._hidden");
    EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, folder.dirID, name, &spec), bdNamErr);
    SetPascal(name, std::string(64, 'x'));
    EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, folder.dirID, name, &spec), bdNamErr);
    SetPascal(name, "missing");
    EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, 0x7FFFFFF0, name, &spec), dirNFErr);

    // A missing file still gets its FSSpec, with the news that it is not there yet.
    EXPECT_EQ(FSMakeFSSpec(folder.vRefNum, folder.dirID, name, &spec), fnfErr);
    EXPECT_EQ(spec.parID, folder.dirID);
    EXPECT_EQ(spec.name[0], 7);
}

TEST(FileManager, FolderIdsSpecsAndRefsRoundTrip) {
    TempFolder temp;
    std::filesystem::create_directory(temp / "Sub");
    WriteFile(temp / "Sub/Item", "x");
    FolderLocation sub = LocateFolderPath(temp / "Sub");
    ASSERT_NE(sub.dirID, 0);

    // The folder's own ID describes it, with its name and its parent.
    Str255 name;
    CInfoPBRec pb{};
    pb.dirInfo.ioNamePtr = name;
    pb.dirInfo.ioVRefNum = sub.vRefNum;
    pb.dirInfo.ioFDirIndex = -1;
    pb.dirInfo.ioDrDirID = sub.dirID;
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_TRUE(pb.dirInfo.ioFlAttrib & kioFlAttribDirMask);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "Sub");
    EXPECT_EQ(pb.dirInfo.ioDrParID, LocateFolderPath(temp.str()).dirID);
    EXPECT_EQ(pb.dirInfo.ioDrNmFls, 1);

    FSSpec spec = SpecIn(temp / "Sub", "Item");
    FSRef ref{};
    ASSERT_EQ(FSpMakeFSRef(&spec, &ref), noErr);
    FSSpec again{};
    FSRef parent{};
    ASSERT_EQ(FSGetCatalogInfo(&ref, kFSCatInfoNone, nullptr, nullptr, &again, &parent), noErr);
    EXPECT_EQ(again.vRefNum, spec.vRefNum);
    EXPECT_EQ(again.parID, spec.parID);
    EXPECT_EQ(std::memcmp(again.name, spec.name, spec.name[0] + 1), 0);
    UInt8 path[1024];
    ASSERT_EQ(FSRefMakePath(&parent, path, sizeof path), noErr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(path)), temp / "Sub");

    FSRef none{};
    EXPECT_EQ(FSGetCatalogInfo(&none, kFSCatInfoNone, nullptr, nullptr, nullptr, nullptr),
              paramErr);
    EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8*>("relative/path"), &ref, nullptr),
              fnfErr);
}

TEST(FileManager, ForksReadWriteAndPositionAsTheOriginalDid) {
    TempFolder temp;
    FSSpec spec = SpecIn(temp.str(), "data");
    ASSERT_EQ(FSpCreate(&spec, 0, FOUR_CHAR_CODE("TEXT"), -1), noErr);
    SInt16 refNum = 0;
    ASSERT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), noErr);
    SInt32 count = 10;
    ASSERT_EQ(FSWrite(refNum, &count, "0123456789"), noErr);
    SInt32 eof = 0, mark = 0;
    ASSERT_EQ(GetEOF(refNum, &eof), noErr);
    EXPECT_EQ(eof, 10);
    EXPECT_EQ(GetFPos(refNum, &mark), noErr);
    EXPECT_EQ(mark, 10);

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
    EXPECT_EQ(std::filesystem::file_size(temp / "data"), 3u);

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
    ASSERT_EQ(FSpSetFLock(&spec), noErr);
    SInt16 refNum = 0;
    EXPECT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), permErr);
    EXPECT_EQ(FSpDelete(&spec), fLckdErr);
    CInfoPBRec pb{};
    pb.hFileInfo.ioVRefNum = spec.vRefNum;
    pb.hFileInfo.ioDirID = spec.parID;
    pb.hFileInfo.ioNamePtr = spec.name;
    ASSERT_EQ(PBGetCatInfoSync(&pb), noErr);
    EXPECT_TRUE(pb.hFileInfo.ioFlAttrib & kioFlAttribLockedMask);
    ASSERT_EQ(FSpRstFLock(&spec), noErr);

    ASSERT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), noErr);
    SInt16 second = 0;
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
    EXPECT_EQ(fcb.ioFCBFlags & kioFCBResourceMask, 0);
    EXPECT_NE(fcb.ioFCBFlags & kioFCBWriteMask, 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "guarded");
    FSClose(refNum);
    EXPECT_EQ(FSpDelete(&spec), noErr);

    std::filesystem::create_directory(temp / "full");
    WriteFile(temp / "full/inside", "");
    FSSpec full = SpecIn(temp.str(), "full");
    EXPECT_EQ(FSpDelete(&full), fBsyErr);
    EXPECT_EQ(FSpOpenDF(&full, fsRdPerm, &refNum), notAFileErr);
}

TEST(FileManager, ReferencesCreateWriteAndDeleteNamedFiles) {
    TempFolder temp;
    FSRef folder{}, file{};
    ASSERT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8*>(temp.str().c_str()), &folder, nullptr),
              noErr);
    const UniChar name[] = {'o', 'u', 't', '.', 't', 'x', 't'};
    EXPECT_EQ(FSMakeFSRefUnicode(&folder, 7, name, 0x08000100, &file), fnfErr);
    FSSpec spec{};
    ASSERT_EQ(FSCreateFileUnicode(&folder, 7, name, kFSCatInfoNone, nullptr, &file, &spec), noErr);
    EXPECT_EQ(FSCreateFileUnicode(&folder, 7, name, kFSCatInfoNone, nullptr, nullptr, nullptr),
              dupFNErr);
    const UniChar slash[] = {'a', '/', 'b'};
    EXPECT_EQ(FSCreateFileUnicode(&folder, 3, slash, kFSCatInfoNone, nullptr, nullptr, nullptr),
              bdNamErr);

    HFSUniStr255 dataFork;
    FSGetDataForkName(&dataFork);
    SInt16 refNum = 0;
    ASSERT_EQ(FSOpenFork(&file, dataFork.length, dataFork.unicode, fsRdWrPerm, &refNum), noErr);
    ByteCount written = 0;
    ASSERT_EQ(FSWriteFork(refNum, fsFromStart, 0, 5, "hello", &written), noErr);
    EXPECT_EQ(written, 5u);
    ASSERT_EQ(FSCloseFork(refNum), noErr);

    FSCatalogInfo info{};
    ASSERT_EQ(FSGetCatalogInfo(&file, kFSCatInfoFinderInfo | kFSCatInfoDataSizes, &info, nullptr,
                               nullptr, nullptr),
              noErr);
    EXPECT_EQ(info.dataLogicalSize, 5u);
    info.finderInfo[0] = 'T', info.finderInfo[1] = 'E', info.finderInfo[2] = 'X',
    info.finderInfo[3] = 'T';
    info.finderInfo[8] = kIsStationery >> 8;
    ASSERT_EQ(FSSetCatalogInfo(&file, kFSCatInfoFinderInfo, &info), noErr);
    FInfo finder{};
    ASSERT_EQ(FSpGetFInfo(&spec, &finder), noErr);
    EXPECT_EQ(finder.fdType, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(finder.fdFlags, kIsStationery);

    ASSERT_EQ(FSDeleteObject(&file), noErr);
    EXPECT_FALSE(std::filesystem::exists(temp / "out.txt"));
    EXPECT_FALSE(std::filesystem::exists(temp / "._out.txt"));
    EXPECT_EQ(FSDeleteObject(&file), fnfErr);
}
