#include "Platform/AppleEvents.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(AppleEventDescriptors, CopyTheirDataAndBecomeNullWhenDisposed) {
    char text[] = "hello";
    AEDesc desc;
    ASSERT_EQ(AECreateDesc(FOUR_CHAR_CODE("TEXT"), text, 5, &desc), noErr);
    text[0] = 'j'; // the descriptor has its own copy
    EXPECT_EQ(desc.descriptorType, FOUR_CHAR_CODE("TEXT"));
    ASSERT_EQ(AEGetDescDataSize(&desc), 5);
    char out[3] = {};
    EXPECT_EQ(AEGetDescData(&desc, out, 3), noErr); // no more than asked for
    EXPECT_EQ(std::string(out, 3), "hel");
    EXPECT_EQ(AEDisposeDesc(&desc), noErr);
    EXPECT_EQ(desc.descriptorType, typeNull);
    EXPECT_EQ(desc.dataHandle, nullptr);
    EXPECT_EQ(AEGetDescDataSize(&desc), 0);
    EXPECT_EQ(AECreateDesc(FOUR_CHAR_CODE("TEXT"), nullptr, 4, &desc), paramErr);
}

TEST(AppleEventDescriptors, ListsCountReplaceAndHandOutCopiesOfTheirItems) {
    AEDescList record;
    EXPECT_EQ(AECreateList(nullptr, 0, true, &record), paramErr); // records are not offered
    AEDescList list;
    ASSERT_EQ(AECreateList(nullptr, 0, false, &list), noErr);
    const SInt32 one = 1, two = 2;
    AEDesc item;
    AECreateDesc(FOUR_CHAR_CODE("long"), &one, sizeof one, &item);
    EXPECT_EQ(AEPutDesc(&list, 0, &item), noErr); // 0 appends
    EXPECT_EQ(AEPutDesc(&list, 2, &item), noErr); // so does one past the end
    EXPECT_EQ(AEPutDesc(&list, 5, &item), errAEIllegalIndex);
    AEDisposeDesc(&item);
    AECreateDesc(FOUR_CHAR_CODE("shor"), &two, sizeof two, &item);
    EXPECT_EQ(AEPutDesc(&list, 1, &item), noErr); // replaces the first
    AEDisposeDesc(&item);

    AEKeyword keyword = 0;
    AEDesc got;
    ASSERT_EQ(AEGetNthDesc(&list, 1, typeWildCard, &keyword, &got), noErr);
    EXPECT_EQ(keyword, typeWildCard);
    SInt32 value = 0;
    AEGetDescData(&got, &value, sizeof value);
    EXPECT_EQ(got.descriptorType, FOUR_CHAR_CODE("shor"));
    EXPECT_EQ(value, 2);
    AEDisposeDesc(&got);
    ASSERT_EQ(AEGetNthDesc(&list, 2, FOUR_CHAR_CODE("long"), nullptr, &got), noErr);
    AEGetDescData(&got, &value, sizeof value);
    EXPECT_EQ(value, 1);
    AEDisposeDesc(&got);

    EXPECT_EQ(AEGetNthDesc(&list, 0, typeWildCard, nullptr, &got), errAEIllegalIndex);
    EXPECT_EQ(AEGetNthDesc(&list, 3, typeWildCard, nullptr, &got), errAEIllegalIndex);
    EXPECT_EQ(AEGetNthDesc(&list, 1, FOUR_CHAR_CODE("long"), nullptr, &got), errAECoercionFail);
    EXPECT_EQ(got.descriptorType, typeNull);
    AEDesc notAList;
    AECreateDesc(FOUR_CHAR_CODE("long"), &one, sizeof one, &notAList);
    EXPECT_EQ(AEGetNthDesc(&notAList, 1, typeWildCard, nullptr, &got), errAEWrongDataType);
    AEDisposeDesc(&notAList);
    AEDisposeDesc(&list);
}

// The file dialogs hand out file references; callers may ask for FSSpecs.
TEST(AppleEventDescriptors, FileReferencesAndFSSpecsTurnIntoEachOther) {
    TempFolder folder;
    std::ofstream(folder / "Chosen.txt") << "x";
    FSRef ref;
    ASSERT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8*>((folder / "Chosen.txt").c_str()), &ref,
                            nullptr),
              noErr);
    FSSpec spec = SpecIn(folder.str(), "Chosen.txt");
    AEDescList list;
    AEDesc item;
    AECreateList(nullptr, 0, false, &list);
    AECreateDesc(typeFSRef, &ref, sizeof ref, &item);
    AEPutDesc(&list, 0, &item);
    AEDisposeDesc(&item);
    AECreateDesc(typeFSS, &spec, sizeof spec, &item);
    AEPutDesc(&list, 0, &item);
    AEDisposeDesc(&item);

    AEDesc got;
    ASSERT_EQ(AEGetNthDesc(&list, 1, typeFSS, nullptr, &got), noErr);
    FSSpec fromRef{};
    ASSERT_EQ(AEGetDescDataSize(&got), Size(sizeof fromRef));
    AEGetDescData(&got, &fromRef, sizeof fromRef);
    EXPECT_EQ(fromRef.vRefNum, spec.vRefNum);
    EXPECT_EQ(fromRef.parID, spec.parID);
    EXPECT_EQ(std::memcmp(fromRef.name, spec.name, spec.name[0] + 1u), 0);
    AEDisposeDesc(&got);

    ASSERT_EQ(AEGetNthDesc(&list, 2, typeFSRef, nullptr, &got), noErr);
    FSRef fromSpec{};
    AEGetDescData(&got, &fromSpec, sizeof fromSpec);
    UInt8 path[1024];
    ASSERT_EQ(FSRefMakePath(&fromSpec, path, sizeof path), noErr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(path)), folder / "Chosen.txt");
    AEDisposeDesc(&got);

    // Once the file is gone, its reference names nothing an FSSpec could hold.
    std::filesystem::remove(folder / "Chosen.txt");
    EXPECT_EQ(AEGetNthDesc(&list, 1, typeFSS, nullptr, &got), errAECoercionFail);
    AEDisposeDesc(&list);
}
