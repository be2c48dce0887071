#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/ResourceFileFormat.h"
#include "Platform/Resources.h"
#include "Resources/ResourceChain.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/PString.h"
#include "TestSupport/ResourceFiles.h"

#include <gtest/gtest.h>

using namespace platform::resources;
using namespace testsupport;

namespace {

constexpr ResType kText = FOUR_CHAR_CODE("TEXT"), kWpos = FOUR_CHAR_CODE("WPOS"),
                  kStr = FOUR_CHAR_CODE("STR "), kStrList = FOUR_CHAR_CODE("STR#"),
                  kItl0 = FOUR_CHAR_CODE("itl0");

UInt32 Big(const std::vector<UInt8>& b, size_t at, int width) {
    UInt32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | b[at + i];
    return value;
}

void Put(std::vector<UInt8>& b, size_t at, UInt32 value, int width) {
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        b[at + i] = UInt8(value);
}

ResourceFileImage Sample() {
    return {0x0001,
            {{kText, 128, "Read me", 0x20, BytesOf("hello")},
             {kWpos, -1, std::nullopt, 0, {0xFF, 0xFF, 0x00, 0x10}},
             {kText, 129, std::nullopt, 0x08, {}}}};
}

// Where the parts of a serialized file are, read from its header and map.
struct Layout {
    explicit Layout(const std::vector<UInt8>& b)
        : map(Big(b, 4, 4)), typeList(map + Big(b, map + 24, 2)),
          firstReference(typeList + Big(b, typeList + 8, 2)) {}
    size_t map, typeList, firstReference;
};

OSErr Parse(const std::vector<UInt8>& bytes) {
    ResourceFileImage image;
    return ParseResourceFile(bytes, &image);
}

std::vector<UInt8> DataOf(Handle h) {
    return h ? std::vector<UInt8>(*h, *h + GetHandleSize(h)) : std::vector<UInt8>{};
}

Handle HandleOf(const std::vector<UInt8>& bytes) {
    Handle h = nullptr;
    PtrToHand(bytes.data(), &h, Size(bytes.size()));
    return h;
}

std::string NameOf(Handle h) {
    return Chain().Owner(h).second->entry.name.value_or("");
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

TEST(ResourceFileFormat, SerializedFileHasTheClassicLayoutAndReadsBackGroupedByType) {
    const ResourceFileImage sample = Sample();
    std::vector<UInt8> bytes = SerializeResourceFile(sample);
    // Data at 256, the map right after it.
    EXPECT_EQ(Big(bytes, 0, 4), 256u);
    EXPECT_EQ(bytes.size(), Big(bytes, 4, 4) + Big(bytes, 12, 4));
    ResourceFileImage back;
    ASSERT_EQ(ParseResourceFile(bytes, &back), noErr);
    EXPECT_EQ(back, ResourceFileImage({sample.fileAttributes,
                                       {sample.entries[0], sample.entries[2], sample.entries[1]}}));

    std::vector<UInt8> empty = SerializeResourceFile({});
    EXPECT_EQ(Big(empty, Layout(empty).typeList, 2), 0xFFFFu);
    EXPECT_EQ(ParseResourceFile(empty, &back), noErr);
    EXPECT_TRUE(back.entries.empty());
    EXPECT_TRUE(SerializeResourceFile({0, {{kText, 1, std::string(256, 'x'), 0, {}}}}).empty());
}

TEST(ResourceFileFormat, DamagedFilesGiveMapReadErr) {
    const std::vector<UInt8> good = SerializeResourceFile(Sample());
    for (size_t length = 0; length < good.size(); ++length)
        EXPECT_EQ(Parse({good.begin(), good.begin() + length}), mapReadErr) << length;

    const Layout at(good);
    auto damaged = [&](size_t offset, UInt32 value, int width) {
        std::vector<UInt8> bytes = good;
        Put(bytes, offset, value, width);
        return Parse(bytes);
    };
    EXPECT_EQ(damaged(0, 0xFFFFFF00, 4), mapReadErr);                 // data past the end
    EXPECT_EQ(damaged(4, 0xFFFFFFF0, 4), mapReadErr);                 // map offset wraps
    EXPECT_EQ(damaged(12, 20, 4), mapReadErr);                        // map shorter than its header
    EXPECT_EQ(damaged(at.map + 24, 0xFFF0, 2), mapReadErr);           // type list outside the map
    EXPECT_EQ(damaged(at.typeList, 0x7FFF, 2), mapReadErr);           // too many types
    EXPECT_EQ(damaged(at.typeList + 6, 0xFFFF, 2), mapReadErr);       // too many references
    EXPECT_EQ(damaged(at.typeList + 8, 0xFFF0, 2), mapReadErr);       // references outside
    EXPECT_EQ(damaged(at.firstReference + 2, 0x7000, 2), mapReadErr); // name outside
    EXPECT_EQ(damaged(at.firstReference + 5, 0xFFFFFF, 3), mapReadErr); // data outside
    EXPECT_EQ(damaged(256, 0x7FFFFFFF, 4), mapReadErr);                 // data length too large
    EXPECT_EQ(damaged(at.typeList + 10, kText, 4), mapReadErr);         // a type listed twice

    // Two references sharing one entry claim more data than the file holds.
    std::vector<UInt8> shared = good;
    Put(shared, at.firstReference + 12 + 5, 0, 3);
    EXPECT_EQ(Parse(shared), mapReadErr);
}

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
    RemoveResource(position);
    EXPECT_FALSE(HGetState(position) & kHandleIsResourceMask);
    AddResource(position, kWpos, 3007, nullptr); // removed, the handle is the caller's again
    CloseResFile(file);
    EXPECT_EQ(ResError(), noErr);

    file = Open(spec);
    EXPECT_EQ(Get1Resource(kWpos, 1007), nullptr);
    EXPECT_EQ(ResError(), resNotFound);
    EXPECT_EQ(DataOf(Get1Resource(kWpos, 3007)), std::vector<UInt8>({0xFF, 0x10, 0xFF, 0xFF}));
    EXPECT_EQ(NameOf(Get1Resource(kWpos, 1008)), "Editor");
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
    EXPECT_EQ(FSpDelete(&truncated), noErr); // nothing was left open
}

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

    // List 129 claims five strings and holds one whole one.
    const struct {
        SInt16 list, index;
        const char* text;
    } strings[] = {{128, 1, "one"}, {128, 2, "two"}, {128, 0, ""}, {128, 3, ""},
                   {127, 1, ""},    {129, 1, "one"}, {129, 2, ""}, {129, 4, ""}};
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
