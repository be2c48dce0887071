#include "MorrowCommon_2/FileRefNumToFileLocation.h"
#include "MorrowCommon_2/MyOpenResFileClass.h"
#include "MorrowCommon_2/MyResFile.h"
#include "MorrowCommon_2/MyUnknownSizePtrClass.h"
#include "MorrowCommon_2/UnknownNumberOfStructureClass.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/PString.h"
#include "TestSupport/ResourceFiles.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

constexpr OSType kWpos = FOUR_CHAR_CODE("WPOS");

// Inserts a 12-byte record whose bytes all hold value.
OSErr Insert(UnknownNumberOfStructureClass& list, UInt8 value, SInt32 where) {
    UInt8 record[12];
    std::fill(std::begin(record), std::end(record), value);
    return list.AppendNewStructure(record, where);
}

// The value of each record in order; -1 for a record whose bytes differ.
std::vector<int> Values(const UnknownNumberOfStructureClass& list) {
    std::vector<int> values;
    for (SInt32 n = 1; n <= list.count; ++n) {
        const Ptr r = list.GetNthStructure(n);
        values.push_back(std::count(r, r + 12, r[0]) == 12 ? UInt8(r[0]) : -1);
    }
    return values;
}

Handle Position(UInt8 top, UInt8 left) {
    const UInt8 bytes[4] = {0, top, 0, left};
    Handle h = nullptr;
    PtrToHand(bytes, &h, 4);
    return h;
}

// A resource file of its own is current throughout, so that a class that forgets to restore
// the current file shows it.
class ResourceFileClass : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(MyCreateResFile(&baseSpec), noErr);
        ASSERT_EQ(MyOpenResFile(&baseSpec, &base), noErr);
    }
    void TearDown() override {
        EXPECT_EQ(CurResFile(), base);
        CloseResFile(base);
    }

    TempFolder temp;
    FSSpec baseSpec = SpecIn(temp.str(), "Base");
    FSSpec prefs = SpecIn(temp.str(), "Prefs");
    SInt16 base = 0;
};

} // namespace

TEST(UnknownNumberOfStructureClass, GrowsBySixteenSlotsAndKeepsRecordsWhole) {
    EXPECT_EQ(UnknownNumberOfStructureClass(16).slotSize, 16);
    EXPECT_EQ(UnknownNumberOfStructureClass(1).slotSize, 8);
    UnknownNumberOfStructureClass list(12);
    EXPECT_EQ(list.slotSize, 16);
    std::vector<int> expected;
    for (UInt8 i = 1; i <= 17; ++i) {
        ASSERT_EQ(Insert(list, i, list.count), noErr);
        EXPECT_EQ(list.capacity, i <= 16 ? 16 : 32);
        expected.push_back(i);
    }
    EXPECT_EQ(Values(list), expected);
    EXPECT_EQ(list.GetNthStructure(0), nullptr);
    EXPECT_EQ(list.GetNthStructure(18), nullptr);

    list.DeleteAllStructure();
    EXPECT_EQ(list.capacity, 32);
    for (UInt8 i : {1, 2, 3})
        Insert(list, i, list.count);
    Insert(list, 9, 0);
    EXPECT_EQ(Values(list), std::vector<int>({9, 1, 2, 3}));
    Insert(list, 8, 100);
    Insert(list, 7, -5);
    EXPECT_EQ(Values(list), std::vector<int>({7, 9, 1, 2, 3, 8}));

    list.DeleteNthStructure(0);
    list.DeleteNthStructure(7);
    list.DeleteNthStructure(6);
    list.DeleteNthStructure(2);
    EXPECT_EQ(Values(list), std::vector<int>({7, 1, 2, 3}));
}

TEST_F(ResourceFileClass, OperationsWorkOnTheFileAloneAndLeaveTheCurrentFileAsItWas) {
    ASSERT_EQ(MyCreateResFile(&prefs), noErr);
    EXPECT_EQ(MyCreateResFile(&prefs), dupFNErr);
    AddResource(Position(1, 1), kWpos, 1008, PString("")); // in the base file only
    {
        MyOpenResFileClass file;
        file.SetResFile(&prefs);
        EXPECT_EQ(file.lastError, noErr);
        EXPECT_NE(file.refNum, 0);
        EXPECT_EQ(CurResFile(), base);

        EXPECT_EQ(file.GetTheResource(kWpos, 1008), nullptr);

        Handle position = Position(0xFF, 0xFF);
        file.AddTheResource(position, kWpos, 1007, PString(""));
        EXPECT_EQ(file.lastError, noErr);
        EXPECT_EQ(file.GetTheResource(kWpos, 1007), position);

        Handle foreign = Position(0, 0);
        file.SaveTheResource(foreign);
        EXPECT_EQ(file.lastError, resNotFound);
        DisposeHandle(foreign);
        (*position)[1] = 40;
        file.SaveTheResource(kWpos, 1007);
        EXPECT_EQ(file.lastError, noErr);
        EXPECT_EQ(CurResFile(), base); // none of the operations changed it
    }
    EXPECT_EQ(CurResFile(), base);

    SInt16 reopened = 0;
    // It was closed, so opening it again makes it current.
    ASSERT_EQ(MyOpenResFile(&prefs, &reopened), noErr);
    EXPECT_EQ(CurResFile(), reopened);
    Handle saved = Get1Resource(kWpos, 1007);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ((*saved)[1], 40);
    {
        MyOpenResFileClass adopted;
        adopted.SetResFile(reopened);
        UseResFile(base);
        adopted.RemoveTheResource(adopted.GetTheResource(kWpos, 1007));
        EXPECT_EQ(adopted.lastError, noErr);
        EXPECT_EQ(CurResFile(), base);
    }
    UseResFile(reopened); // still open
    EXPECT_EQ(ResError(), noErr);
    EXPECT_EQ(Get1Resource(kWpos, 1007), nullptr);
    DisposeHandle(saved); // removed, so it is ours
    CloseResFile(reopened);
}

TEST_F(ResourceFileClass, FailedOpensTouchNoOtherFile) {
    SInt16 refNum = 77;
    EXPECT_EQ(MyOpenResFile(&prefs, &refNum), fnfErr);
    FSpCreate(&prefs, 0, 0, 0);
    EXPECT_EQ(MyOpenResFileWithPermission(&prefs, fsRdPerm, &refNum), eofErr);
    EXPECT_EQ(refNum, 77);

    MyOpenResFileClass file;
    file.SetResFile(&prefs);
    EXPECT_EQ(file.lastError, eofErr);
    EXPECT_EQ(file.refNum, 0);
    Handle position = Position(0, 0);
    file.AddTheResource(position, kWpos, 1007, PString(""));
    EXPECT_EQ(file.lastError, resFNotFound);
    DisposeHandle(position);
    EXPECT_EQ(Get1Resource(kWpos, 1007), nullptr); // not in the current (base) file either
    EXPECT_EQ(CurResFile(), base);
}

TEST(MyUnknownSizePtrClass, GrowsByTheLargerOfStepAndShortfallZeroFilled) {
    MyUnknownSizePtrClass buffer;
    buffer.growStep = 64;
    ASSERT_EQ(buffer.ExtendTheSize(10), noErr);
    EXPECT_EQ(buffer.capacity, 64);
    std::memcpy(buffer.storage, "0123456789", 10);
    ASSERT_EQ(buffer.ExtendTheSize(100), noErr); // short by 46: grows by the step
    EXPECT_EQ(buffer.capacity, 128);
    ASSERT_EQ(buffer.ExtendTheSize(200), noErr); // short by 182: grows by that
    EXPECT_EQ(buffer.capacity, 310);
    EXPECT_EQ(buffer.size, 310);
    EXPECT_EQ(std::string(buffer.storage, 10), "0123456789");
    EXPECT_EQ(buffer.storage[309], 0);
    EXPECT_EQ(buffer.ExtendTheSize(-1), paramErr);
    EXPECT_EQ(buffer.ExtendTheSize(0x7FFFFFFF), memFullErr);
    EXPECT_EQ(buffer.size, 310);
}

TEST(ApplicationResourceFile, IsCurrentAtStartAndFoundInTheBundle) {
    const ResourceEntry version{FOUR_CHAR_CODE("vers"), 1, std::nullopt, 0, {1, 0}};
    ScopedResourceBundle bundle(std::nullopt,
                                platform::resources::SerializeResourceFile({0, {version}}));
    const SInt16 application = CurResFile();
    FSSpec found{};
    Boolean isDataFork = true;
    ASSERT_EQ(FileRefNumToFileLocation(application, &found, &isDataFork), noErr);
    EXPECT_FALSE(isDataFork);
    EXPECT_EQ(TextOf(found.name), "Korvane.rsrc");
    EXPECT_EQ(found.parID, LocateFolderPath(bundle.resources()).dirID);
    {
        MyOpenResFileClass file;
        file.SetResFile(application);
        EXPECT_NE(file.GetTheResource(FOUR_CHAR_CODE("vers"), 1), nullptr);
    }
    EXPECT_EQ(CurResFile(), application); // adopted, so still open and current
    EXPECT_NE(Get1Resource(FOUR_CHAR_CODE("vers"), 1), nullptr);
}
