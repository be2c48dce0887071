#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/FinderInfo.h"
#include "TestSupport/ResourceFiles.h"
#include "TestSupport/TempFolder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

OSType TypeOf(const FSSpec& spec) {
    FInfo info{};
    GetFileFinderInfo(spec, &info);
    return info.fdType;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// A, B and C in the folder exchanged: contents and types change places, the names stay.
void ExchangeThree(const TempFolder& temp) {
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

    // A file without a type hands the other name none.
    WriteFile(temp / "C", "plain");
    FSSpec c = SpecIn(temp.str(), "C");
    ASSERT_EQ(FSpExchangeFiles(&a, &c), noErr);
    EXPECT_EQ(ReadFileText(temp / "A"), "plain");
    EXPECT_EQ(TypeOf(a), 0u);
    EXPECT_FALSE(fs::exists(temp / "._A"));
    EXPECT_EQ(TypeOf(c), FOUR_CHAR_CODE("PREF"));
    EXPECT_EQ(FSpExchangeFiles(&a, &a), noErr);
}

long Sidecars(const TempFolder& temp) {
    return std::count_if(fs::directory_iterator(temp.path()), {}, [](const fs::directory_entry& e) {
        return e.path().filename().string().starts_with("._");
    });
}

} // namespace

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
    // Its Finder information cannot change, unless the same call takes the lock off first.
    FSRef ref{};
    ASSERT_EQ(FSpMakeFSRef(&spec, &ref), noErr);
    FSCatalogInfo catalog{};
    std::memcpy(catalog.finderInfo, "TEXT", 4);
    EXPECT_EQ(SetFileFinderInfo(spec, FInfo{FOUR_CHAR_CODE("TEXT"), 0, 0, {0, 0}, 0}), fLckdErr);
    EXPECT_EQ(FSSetCatalogInfo(&ref, kFSCatInfoFinderInfo, &catalog), fLckdErr);
    EXPECT_EQ(TypeOf(spec), 0u);
    ASSERT_EQ(FSSetCatalogInfo(&ref, kFSCatInfoFinderInfo | kFSCatInfoNodeFlags, &catalog), noErr);
    EXPECT_EQ(TypeOf(spec), FOUR_CHAR_CODE("TEXT"));
    std::memcpy(catalog.finderInfo, "PREF", 4);
    catalog.nodeFlags = kFSNodeLockedMask;
    ASSERT_EQ(FSSetCatalogInfo(&ref, kFSCatInfoFinderInfo | kFSCatInfoNodeFlags, &catalog), noErr);
    EXPECT_EQ(TypeOf(spec), FOUR_CHAR_CODE("PREF"));
    EXPECT_EQ(FSpOpenDF(&spec, fsRdWrPerm, &refNum), permErr) << "locked again";
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

TEST(FSpExchangeFiles, ContentsAndFinderInfoChangePlacesNamesStay) {
    {
        TempFolder temp;
        ExchangeThree(temp);
        EXPECT_EQ(Sidecars(temp), 0) << "the types went with the files' own attributes";
    }
    {
        PlatformScopedNoExtendedAttributes refused;
        TempFolder temp;
        ExchangeThree(temp);
        EXPECT_EQ(Sidecars(temp), 2) << "the sidecars went with their files";
    }
    // A file an earlier version typed and one typed now: each type goes with its content.
    TempFolder temp;
    FSSpec now = SpecIn(temp.str(), "Now"), earlier = SpecIn(temp.str(), "Earlier");
    ASSERT_EQ(FSpCreate(&now, FOUR_CHAR_CODE("ttxt"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
    WriteFile(temp / "Earlier", "earlier");
    ASSERT_TRUE(
        WriteEarlierSidecar(temp / "Earlier", FOUR_CHAR_CODE("WDBN"), FOUR_CHAR_CODE("MSWD")));
    ASSERT_EQ(FSpExchangeFiles(&now, &earlier), noErr);
    EXPECT_EQ(ReadFileText(temp / "Now"), "earlier");
    EXPECT_EQ(TypeOf(now), FOUR_CHAR_CODE("WDBN"));
    EXPECT_EQ(TypeOf(earlier), FOUR_CHAR_CODE("TEXT"));
    EXPECT_TRUE(fs::exists(temp / "._Now"));
    EXPECT_EQ(Sidecars(temp), 1);
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
