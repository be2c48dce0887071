#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "TestSupport/ResourceFiles.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace testsupport;
using platform::resources::SerializeResourceFile;

namespace {

constexpr ResType kStr = FOUR_CHAR_CODE("STR ");
constexpr ResType kStrList = FOUR_CHAR_CODE("STR#");
constexpr ResType kItl0 = FOUR_CHAR_CODE("itl0");

std::vector<UInt8> SystemFile() {
    return SerializeResourceFile({0,
                                  {{kItl0, 0, std::nullopt, 0, BytesOf(".")},
                                   {kStr, 5, std::nullopt, 0, PascalBytes("system")}}});
}

std::vector<UInt8> ApplicationFile() {
    std::vector<UInt8> list = {0, 2, 3, 'o', 'n', 'e', 3, 't', 'w', 'o'};
    std::vector<UInt8> damaged = {0, 5, 3, 'o', 'n', 'e', 200, 'x'};
    return SerializeResourceFile({0,
                                  {{kStrList, 128, std::nullopt, 0, list},
                                   {kStrList, 129, std::nullopt, 0, damaged},
                                   {kStr, 5, std::nullopt, 0, PascalBytes("application")}}});
}

std::string IndString(SInt16 listID, SInt16 index) {
    Str255 text = {3, 'o', 'l', 'd'};
    GetIndString(text, listID, index);
    return std::string(text + 1, text + 1 + text[0]);
}

std::string Text(StringHandle h) {
    return h ? std::string(*h + 1, *h + 1 + **h) : "(none)";
}

// What the File Manager knows of an open fork: its name and flags.
std::pair<std::string, UInt16> ForkInfo(SInt16 refNum) {
    Str63 name{};
    FCBPBRec pb{};
    pb.ioRefNum = refNum;
    pb.ioNamePtr = name;
    if (PBGetFCBInfoSync(&pb) != noErr) return {"(not open)", 0};
    return {std::string(name + 1, name + 1 + name[0]), pb.ioFCBFlags};
}

} // namespace

TEST(ResourceManagerBundle, ApplicationFileIsCurrentAboveTheSystemFileAndNeverWritten) {
    ScopedResourceBundle bundle(SystemFile(), ApplicationFile());
    const std::vector<UInt8> before = ReadFileBytes(bundle.applicationPath());
    const SInt16 application = CurResFile();
    EXPECT_EQ(ForkInfo(application),
              std::make_pair(std::string("Korvane.rsrc"), kioFCBResourceMask));
    EXPECT_EQ(Text(GetString(5)), "application");
    EXPECT_NE(GetResource(kItl0, 0), nullptr);
    EXPECT_EQ(Get1Resource(kItl0, 0), nullptr);

    UseResFile(0); // the system file, which stays open
    EXPECT_EQ(ForkInfo(CurResFile()).first, "System.rsrc");
    EXPECT_EQ(Text(GetString(5)), "system");
    UseResFile(application);
    CloseResFile(0);
    EXPECT_NE(GetResource(kItl0, 0), nullptr);

    const std::vector<std::tuple<SInt16, SInt16, std::string>> strings = {
        {128, 1, "one"},
        {128, 2, "two"},
        {128, 0, ""},
        {128, 3, ""},
        {127, 1, ""},
        {129, 1, "one"},
        {129, 2, ""} /* longer than the list */,
        {129, 4, ""}};
    for (const auto& [list, index, text] : strings)
        EXPECT_EQ(IndString(list, index), text) << list << " " << index;

    // Changes stay in memory.
    Handle changed = Get1Resource(kStr, 5);
    (*changed)[1] = 'A';
    ChangedResource(changed);
    WriteResource(changed);
    AddResource(NewHandle(2), kStr, 6, nullptr);
    EXPECT_EQ(ResError(), noErr);
    EXPECT_NE(GetString(6), nullptr);
    UpdateResFile(application);
    EXPECT_EQ(ResError(), noErr);
    CloseResFile(application);
    EXPECT_EQ(ResError(), noErr);
    EXPECT_EQ(ReadFileBytes(bundle.applicationPath()), before);
}

TEST(ResourceManagerBundle, MissingOrDamagedBundleFilesAreLeftOutOfTheChain) {
    {
        ScopedResourceBundle none(std::nullopt, std::nullopt);
        EXPECT_EQ(CurResFile(), 0);
        EXPECT_EQ(GetResource(kStr, 5), nullptr);
        EXPECT_EQ(ResError(), resNotFound);
        UseResFile(0);
        EXPECT_EQ(ResError(), noErr);
        EXPECT_EQ(IndString(128, 1), "");
    }
    ScopedResourceBundle damaged(SystemFile(), BytesOf("not a resource file"));
    EXPECT_EQ(ForkInfo(CurResFile()).first, "System.rsrc");
}
