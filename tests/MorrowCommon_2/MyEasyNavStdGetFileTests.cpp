#include "MorrowCommon_2/MyEasyNavStdGetFile.h"
#include "TestSupport/ChooserScene.h"

#include <cstring>
#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::HasSubstr;

namespace {

// A reply with every field set to something a chooser would never leave there.
StandardFileReply StaleReply() {
    StandardFileReply reply;
    std::memset(&reply, 0x5A, sizeof reply);
    return reply;
}

} // namespace

TEST(MyEasyNavStdGetFile, OneTypeIsAllThatIsOfferedAndChosen) {
    ChooserScene scene;
    scene.File("Notes.txt", FOUR_CHAR_CODE("TEXT"), kIsStationery);
    scene.File("Data.csv", FOUR_CHAR_CODE("CSV "));
    scene.File("Plain");
    scene.Script("print\n"
                 "choose \"Data.csv\"\n" // not offered: beeps
                 "choose \"Notes.txt\"\n");
    FolderLocation start = LocateFolderPath(scene.folder.str());
    const OSType text = FOUR_CHAR_CODE("TEXT");
    StandardFileReply reply = StaleReply();
    Boolean translationNeeded = true;
    MyEasyNavStdGetFile(&reply, &start.vRefNum, &start.dirID, &translationNeeded, 1, &text);

    ASSERT_TRUE(reply.sfGood);
    EXPECT_EQ(reply.sfFile.vRefNum, start.vRefNum);
    EXPECT_EQ(reply.sfFile.parID, start.dirID);
    EXPECT_EQ(NameOf(reply.sfFile), "Notes.txt");
    EXPECT_EQ(reply.sfType, text);
    EXPECT_EQ(reply.sfFlags, SInt16(kIsStationery));
    EXPECT_EQ(reply.sfScript, smRoman);
    EXPECT_FALSE(reply.sfIsFolder);
    EXPECT_FALSE(reply.sfIsVolume);
    EXPECT_FALSE(translationNeeded);
    const std::string printed = scene.Display().Printouts();
    EXPECT_THAT(printed, HasSubstr("  list 2 rows x 1 column, top row 0, nothing selected\n"
                                   "    row 0: \"..\"\n"
                                   "    row 1: \"Notes.txt\"\n"));
    EXPECT_EQ(scene.Beeps(), 1u);
}

TEST(MyEasyNavStdGetFile, NothingChosenLeavesSfGoodFalse) {
    ChooserScene scene;
    scene.File("Notes.txt");
    scene.Script("cancel\n"
                 "print\n");
    StandardFileReply reply = StaleReply();
    Boolean translationNeeded = true;
    MyEasyNavStdGetFile(&reply, nullptr, nullptr, &translationNeeded, -1, nullptr);
    EXPECT_FALSE(reply.sfGood);
    EXPECT_FALSE(translationNeeded);

    // A default folder that is a file, or is missing, stops before any dialog opens.
    FolderLocation home = LocateFolderPath(scene.folder.str());
    FSSpec file = SpecIn(scene.folder.str(), "Notes.txt");
    FSRef ref;
    FSpMakeFSRef(&file, &ref);
    FSCatalogInfo info{};
    FSGetCatalogInfo(&ref, kFSCatInfoNodeID, &info, nullptr, nullptr, nullptr);
    SInt32 fileID = SInt32(info.nodeID), missingID = 999999;
    reply = StaleReply();
    MyEasyNavStdGetFile(&reply, &home.vRefNum, &fileID, &translationNeeded, -1, nullptr);
    EXPECT_FALSE(reply.sfGood);
    reply = StaleReply();
    MyEasyNavStdGetFile(&reply, &home.vRefNum, &missingID, &translationNeeded, -1, nullptr);
    EXPECT_FALSE(reply.sfGood);
    reply = StaleReply();
    MyEasyNavStdGetFile(&reply, nullptr, nullptr, &translationNeeded, 2, nullptr); // no types
    EXPECT_FALSE(reply.sfGood);
    // Had a dialog opened since, it would have asked for input and the print would have run.
    EXPECT_EQ(scene.Display().Printouts(), "");
    EXPECT_FALSE(scene.Display().ScriptEndedEarly());
}
