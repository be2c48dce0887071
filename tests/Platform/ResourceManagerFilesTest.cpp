#include "MorrowCommon_2/PString.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/ResourceFiles.h"

#include <gtest/gtest.h>

using namespace testsupport;
using platform::resources::SerializeResourceFile;

namespace {

constexpr ResType kWpos = FOUR_CHAR_CODE("WPOS");
constexpr ResType kStr = FOUR_CHAR_CODE("STR ");

std::vector<UInt8> DataOf(Handle h) {
    return h ? std::vector<UInt8>(*h, *h + GetHandleSize(h)) : std::vector<UInt8>{};
}

Handle HandleOf(const std::vector<UInt8>& bytes) {
    Handle h = nullptr;
    PtrToHand(bytes.data(), &h, Size(bytes.size()));
    return h;
}

std::string NameOf(Handle h) {
    Str255 name;
    GetResInfo(h, nullptr, nullptr, name);
    return std::string(name + 1, name + 1 + name[0]);
}

class ResourceManager : public ::testing::Test {
  protected:
    TempFolder temp;
    const SInt16 startFile = CurResFile();

    FSSpec Spec(const std::string& name) const { return SpecIn(temp.str(), name); }
    SInt16 Open(const FSSpec& spec) {
        return HOpenResFile(spec.vRefNum, spec.parID, spec.name, fsRdWrPerm);
    }
    // A resource file holding the 'STR ' resources given as id, text.
    SInt16 OpenWithStrings(const std::string& name,
                           const std::vector<std::pair<SInt16, std::string>>& strings) {
        ResourceFileImage image;
        for (const auto& [id, text] : strings)
            image.entries.push_back({kStr, id, std::nullopt, 0, PascalBytes(text)});
        WriteResourceForkBytes(Spec(name), SerializeResourceFile(image));
        return Open(Spec(name));
    }
    void TearDown() override { EXPECT_EQ(CurResFile(), startFile); }
};

} // namespace

TEST_F(ResourceManager, AddedChangedAndRemovedResourcesSurviveCloseAndReopen) {
    FSSpec spec = Spec("Prefs");
    HCreateResFile(spec.vRefNum, spec.parID, spec.name);
    ASSERT_EQ(ResError(), noErr);
    SInt16 file = Open(spec);
    ASSERT_GT(file, 0);
    EXPECT_EQ(CurResFile(), file);
    EXPECT_EQ(Open(spec), file); // open already: the same file

    Handle first = HandleOf({0xFF, 0xFF, 0xFF, 0xFF});
    AddResource(first, kWpos, 1007, nullptr);
    AddResource(first, kWpos, 1009, nullptr);
    EXPECT_EQ(ResError(), addResFailed);
    AddResource(HandleOf({1}), kWpos, 1008, PString("Editor"));
    ReleaseResource(Get1Resource(kWpos, 1008)); // let go unwritten: the data must still be kept
    CloseResFile(file);
    EXPECT_EQ(ResError(), noErr);

    HCreateResFile(spec.vRefNum, spec.parID, spec.name); // a fork with data stays as it is
    EXPECT_EQ(ResError(), dupFNErr);
    file = Open(spec);
    Handle position = Get1Resource(kWpos, 1007);
    EXPECT_EQ(Get1Resource(kWpos, 1007), position);
    EXPECT_EQ(DataOf(position), std::vector<UInt8>({0xFF, 0xFF, 0xFF, 0xFF}));
    Handle editor = Get1Resource(kWpos, 1008);
    EXPECT_EQ(DataOf(editor), std::vector<UInt8>{1});
    EXPECT_EQ(NameOf(editor), "Editor");

    (*position)[1] = 0x10;
    ChangedResource(position);
    WriteResource(position);
    SetResInfo(editor, 2008, PString(""));
    RemoveResource(position);
    EXPECT_FALSE(HGetState(position) & kHandleIsResourceMask);
    AddResource(position, kWpos, 3007, nullptr); // removed, the handle is the caller's again
    UpdateResFile(file);
    EXPECT_EQ(ResError(), noErr);
    CloseResFile(file);

    file = Open(spec);
    EXPECT_EQ(Get1Resource(kWpos, 1007), nullptr);
    EXPECT_EQ(ResError(), resNotFound);
    EXPECT_EQ(DataOf(Get1Resource(kWpos, 3007)), std::vector<UInt8>({0xFF, 0x10, 0xFF, 0xFF}));
    EXPECT_EQ(NameOf(Get1Resource(kWpos, 2008)), "");
    CloseResFile(file);
}

TEST_F(ResourceManager, SearchesStartAtTheCurrentFileAndGoDownTheChain) {
    SInt16 lower = OpenWithStrings("Lower", {{1, "lower"}, {2, "only lower"}});
    SInt16 upper = OpenWithStrings("Upper", {{1, "upper"}, {3, "only upper"}});
    ASSERT_TRUE(lower > 0 && upper > 0);
    EXPECT_EQ(CurResFile(), upper);

    EXPECT_EQ(DataOf(GetResource(kStr, 1)), PascalBytes("upper"));
    EXPECT_EQ(DataOf(GetResource(kStr, 2)), PascalBytes("only lower"));
    EXPECT_EQ(Get1Resource(kStr, 2), nullptr);
    EXPECT_EQ(ResError(), resNotFound);

    UseResFile(lower);
    EXPECT_EQ(GetResource(kStr, 3), nullptr); // files above the current one are not searched
    Handle lowerString = GetResource(kStr, 1);
    EXPECT_EQ(DataOf(lowerString), PascalBytes("lower"));
    UseResFile(12345);
    EXPECT_EQ(ResError(), resFNotFound);
    EXPECT_EQ(CurResFile(), lower);

    // Removing works on the current file only; a plain handle is no resource.
    UseResFile(upper);
    RemoveResource(lowerString);
    EXPECT_EQ(ResError(), rmvResFailed);
    Handle plain = HandleOf({1});
    ChangedResource(plain);
    EXPECT_EQ(ResError(), resNotFound);
    DisposeHandle(plain);

    CloseResFile(upper); // the file below becomes current
    EXPECT_EQ(CurResFile(), lower);
    CloseResFile(upper);
    EXPECT_EQ(ResError(), resFNotFound);
    CloseResFile(lower);
}

TEST_F(ResourceManager, DamagedOrMissingResourceForksOpenNothing) {
    EXPECT_EQ(Open(Spec("Missing")), -1);
    EXPECT_EQ(ResError(), fnfErr);

    FSSpec empty = Spec("Empty");
    FSpCreate(&empty, 0, 0, 0);
    EXPECT_EQ(Open(empty), -1);
    EXPECT_EQ(ResError(), eofErr);

    std::vector<UInt8> good = SerializeResourceFile({0, {{kStr, 1, "name", 0, PascalBytes("a")}}});
    FSSpec truncated = Spec("Truncated");
    WriteResourceForkBytes(truncated, {good.begin(), good.end() - 1});
    EXPECT_EQ(Open(truncated), -1);
    EXPECT_EQ(ResError(), mapReadErr);
    FSSpec garbage = Spec("Garbage");
    WriteResourceForkBytes(garbage, BytesOf("this is no resource file at all"));
    EXPECT_EQ(Open(garbage), -1);
    EXPECT_EQ(ResError(), mapReadErr);
    // Nothing was left open: the files can go.
    EXPECT_EQ(FSpDelete(&truncated), noErr);
    EXPECT_EQ(FSpDelete(&garbage), noErr);
}

TEST_F(ResourceManager, ProtectedResourcesRefuseChangesAndRemoval) {
    WriteResourceForkBytes(Spec("Guarded"),
                           SerializeResourceFile({0, {{kStr, 1, "keep", resProtected, {0}}}}));
    SInt16 file = Open(Spec("Guarded"));
    Handle guarded = Get1Resource(kStr, 1);
    ChangedResource(guarded);
    EXPECT_EQ(ResError(), resAttrErr);
    RemoveResource(guarded);
    EXPECT_EQ(ResError(), rmvResFailed);
    CloseResFile(file);
}
