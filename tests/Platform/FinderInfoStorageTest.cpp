// Where the File Manager keeps what a Linux file has no place for: type, creator and flags in an
// attribute on the file, the resource fork (and Finder information where the file system refuses
// attributes) in the AppleDouble sidecar "._NAME".
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/FileContents.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/FinderInfo.h"
#include "TestSupport/ResourceFiles.h"
#include "TestSupport/TempFolder.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/xattr.h>

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

// The type an entry 9 of the sidecar at path holds; 0 when it has none.
OSType SidecarType(const std::string& path) {
    std::vector<UInt8> sidecar = ReadFileBytes(path);
    if (sidecar.size() < 26) return 0;
    auto entries = SidecarEntries(sidecar);
    return entries.count(9) ? Big32(sidecar, entries[9].first) : 0;
}

// The Finder information attribute of the file at path, never through a link; empty when none.
std::vector<UInt8> Attribute(const std::string& path) {
    std::vector<UInt8> bytes(64);
    ssize_t got = lgetxattr(path.c_str(), "user.korvane.FinderInfo", bytes.data(), bytes.size());
    bytes.resize(got < 0 ? 0 : size_t(got));
    return bytes;
}

FInfo InfoOf(const FSSpec& spec) {
    FInfo info{};
    GetFileFinderInfo(spec, &info);
    return info;
}

void WriteResourceFork(const FSSpec& spec, const char* bytes) {
    SInt16 refNum = OpenResourceFork(spec, fsRdWrPerm);
    ASSERT_NE(refNum, 0);
    SInt32 count = SInt32(std::strlen(bytes));
    ASSERT_EQ(FSWrite(refNum, &count, bytes), noErr);
    ASSERT_EQ(FSClose(refNum), noErr);
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

TEST(FinderInfoStorage, TypeAndCreatorLiveOnTheFileAndTheResourceForkInItsSidecar) {
    TempFolder temp;
    FSSpec spec = SpecIn(temp.str(), "Report");
    ASSERT_EQ(FSpCreate(&spec, FOUR_CHAR_CODE("ttxt"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
    EXPECT_EQ(FSpCreate(&spec, 0, 0, -1), dupFNErr);
    EXPECT_FALSE(fs::exists(temp / "._Report"));
    std::vector<UInt8> attribute = Attribute(temp / "Report");
    ASSERT_EQ(attribute.size(), 32u) << "the 32 bytes of a sidecar's entry 9";
    EXPECT_EQ(Big32(attribute, 0), FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(Big32(attribute, 4), FOUR_CHAR_CODE("ttxt"));
    EXPECT_EQ(Text(attribute, 8, 24), std::string(24, '\0'));

    WriteResourceFork(spec, "RSRC!");
    std::vector<UInt8> sidecar = ReadFileBytes(temp / "._Report");
    ASSERT_GE(sidecar.size(), 26u);
    EXPECT_EQ(Big32(sidecar, 0), 0x00051607u);
    EXPECT_EQ(Big32(sidecar, 4), 0x00020000u);
    auto entries = SidecarEntries(sidecar);
    ASSERT_EQ(entries.size(), 1u) << "the resource fork alone";
    EXPECT_EQ(Text(sidecar, entries[2].first, entries[2].second), "RSRC!");

    // The catalog reads the type from the attribute and the resource fork's length from the
    // sidecar, and lists the file alone.
    HParamBlockRec pb = FileParamsFor(spec);
    ASSERT_EQ(PBHGetFInfoSync(&pb), noErr);
    EXPECT_EQ(pb.fileParam.ioFlFndrInfo.fdType, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(pb.fileParam.ioFlRLgLen, 5);
    EXPECT_EQ(pb.fileParam.ioFlRPyLen, 512);
    EXPECT_EQ(pb.fileParam.ioFlLgLen, 0);
    EXPECT_EQ(ListByIndex(temp.str()), std::set<std::string>{"Report"});
    ASSERT_EQ(FSpDelete(&spec), noErr);
    EXPECT_FALSE(fs::exists(temp / "Report") || fs::exists(temp / "._Report"));

    // Nothing is kept for no Finder information at all.
    FSSpec plain = SpecIn(temp.str(), "Plain");
    ASSERT_EQ(FSpCreate(&plain, 0, 0, -1), noErr);
    EXPECT_TRUE(Attribute(temp / "Plain").empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), {}), 1);
}

TEST(FinderInfoStorage, WhereAttributesAreRefusedTheSidecarHoldsWhatTheHelperWrites) {
    TempFolder temp;
    FSSpec made = SpecIn(temp.str(), "Made"), written = SpecIn(temp.str(), "Written");
    {
        PlatformScopedNoExtendedAttributes refused;
        ASSERT_EQ(FSpCreate(&made, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
        EXPECT_EQ(InfoOf(made).fdType, FOUR_CHAR_CODE("TEXT"));
    }
    EXPECT_TRUE(Attribute(temp / "Made").empty());
    ASSERT_TRUE(
        WriteEarlierSidecar(temp / "Written", FOUR_CHAR_CODE("TEXT"), FOUR_CHAR_CODE("????")));
    std::ofstream(temp / "Written");
    // Byte for byte what the File Manager writes for a new file of that type and creator, and
    // read as the type of a file that has no attribute.
    EXPECT_EQ(ReadFileBytes(temp / "._Written"), ReadFileBytes(temp / "._Made"));
    EXPECT_EQ(InfoOf(written).fdType, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(InfoOf(written).fdCreator, FOUR_CHAR_CODE("????"));

    // A sidecar's name must fit a file name.
    Str255 name;
    UInt8 bytes[kFinderInfoSidecarSize];
    SInt32 length = 0;
    EXPECT_EQ(PlatformFinderInfoSidecar(PString(std::string(254, 'n')), 0, 0, name, bytes, &length),
              bdNamErr);
    EXPECT_EQ(PlatformFinderInfoSidecar(PString(""), 0, 0, name, bytes, &length), bdNamErr);
}

TEST(FinderInfoStorage, RewritingASidecarKeepsUnknownEntriesAndSurvivesDamage) {
    PlatformScopedNoExtendedAttributes refused;
    TempFolder temp;
    WriteFileText(temp / "Notes", "data");
    // A sidecar written elsewhere with a real-name entry (3) that this layer does not use.
    WriteFileText(temp / "._Notes", std::string("\0\5\x16\7\0\2", 6) + std::string(18, '\0') +
                                        std::string("\0\1\0\0\0\3\0\0\0\x26\0\0\0\5Notes", 19));
    FSSpec spec = SpecIn(temp.str(), "Notes");
    FInfo info{};
    info.fdType = FOUR_CHAR_CODE("TEXT");
    info.fdFlags = kIsStationery;
    ASSERT_EQ(SetFileFinderInfo(spec, info), noErr);
    EXPECT_EQ(InfoOf(spec).fdType, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(InfoOf(spec).fdFlags, kIsStationery);
    std::vector<UInt8> sidecar = ReadFileBytes(temp / "._Notes");
    auto entries = SidecarEntries(sidecar);
    ASSERT_EQ(entries.count(3), 1u);
    EXPECT_EQ(Text(sidecar, entries[3].first, 5), "Notes");
    EXPECT_EQ(SidecarType(temp / "._Notes"), FOUR_CHAR_CODE("TEXT"));

    // A truncated sidecar reads as none; it is never trusted past its end.
    WriteFileText(temp / "._Notes", std::string("\0\5\x16\7\0\2\0\0", 8) + std::string(18, '\0') +
                                        std::string("\0\0\0\x09\0\0\x10\0\0\0\0\x20", 12));
    EXPECT_EQ(InfoOf(spec).fdType, 0u);
}

TEST(FinderInfoStorage, AnEarlierSidecarIsReadUntilTheAttributeTakesItsPlace) {
    TempFolder temp;
    WriteFileText(temp / "Old", "old");
    ASSERT_TRUE(WriteEarlierSidecar(temp / "Old", FOUR_CHAR_CODE("WDBN"), FOUR_CHAR_CODE("MSWD")));
    FSSpec old = SpecIn(temp.str(), "Old");
    EXPECT_EQ(InfoOf(old).fdCreator, FOUR_CHAR_CODE("MSWD"));
    FInfo info = InfoOf(old);
    info.fdType = FOUR_CHAR_CODE("TEXT");
    ASSERT_EQ(SetFileFinderInfo(old, info), noErr);
    EXPECT_EQ(Big32(Attribute(temp / "Old"), 0), FOUR_CHAR_CODE("TEXT"));
    EXPECT_FALSE(fs::exists(temp / "._Old")) << "it held nothing else";
    EXPECT_EQ(InfoOf(old).fdCreator, FOUR_CHAR_CODE("MSWD"));

    // A sidecar holding a resource fork stays, its copy of the Finder information in step.
    FSSpec forked = SpecIn(temp.str(), "Forked");
    {
        PlatformScopedNoExtendedAttributes refused;
        ASSERT_EQ(FSpCreate(&forked, FOUR_CHAR_CODE("ttxt"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
        WriteResourceFork(forked, "RSRC!");
    }
    info = InfoOf(forked);
    info.fdType = FOUR_CHAR_CODE("PREF");
    ASSERT_EQ(SetFileFinderInfo(forked, info), noErr);
    EXPECT_EQ(Big32(Attribute(temp / "Forked"), 0), FOUR_CHAR_CODE("PREF"));
    EXPECT_EQ(SidecarType(temp / "._Forked"), FOUR_CHAR_CODE("PREF"));
    HParamBlockRec pb = FileParamsFor(forked);
    ASSERT_EQ(PBHGetFInfoSync(&pb), noErr);
    EXPECT_EQ(pb.fileParam.ioFlRLgLen, 5);

    // A link carries no attribute: its Finder information goes beside the link, never through it.
    fs::create_symlink("Old", temp / "Link");
    FSSpec link = SpecIn(temp.str(), "Link");
    info.fdType = FOUR_CHAR_CODE("LINK");
    ASSERT_EQ(SetFileFinderInfo(link, info), noErr);
    EXPECT_EQ(InfoOf(link).fdType, FOUR_CHAR_CODE("LINK"));
    EXPECT_EQ(SidecarType(temp / "._Link"), FOUR_CHAR_CODE("LINK"));
    EXPECT_EQ(InfoOf(old).fdType, FOUR_CHAR_CODE("TEXT"));
}
