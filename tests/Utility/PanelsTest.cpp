#include "Utility/Utility.h"

#include "TestSupport/ChooserScene.h"

#include <cstdlib>
#include <cstring>
#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::HasSubstr;

namespace {

// Takes over a malloc'ed string from a panel.
std::string Taken(char*& text) {
    std::string copy = text ? text : "(null)";
    std::free(text);
    text = nullptr;
    return copy;
}

} // namespace

TEST(OpenPanel, HandsOverTheFolderAndTheFileEvenWhenCancelled) {
    ChooserScene scene;
    scene.Folder("Sub");
    scene.File("Sub/Import.csv");
    scene.Script("choose \"Import.csv\"\n"
                 "choose \"..\"\n"
                 "cancel\n");
    std::string start = scene.Path("Sub");
    char* folder = nullptr;
    char* file = nullptr;
    EXPECT_TRUE(MyOpenPanel(start.data(), &folder, &file, false, true));
    EXPECT_EQ(Taken(folder), scene.Path("Sub"));
    EXPECT_EQ(Taken(file), scene.Path("Sub/Import.csv"));

    char untouched = 0;
    file = &untouched;
    EXPECT_FALSE(MyOpenPanel(start.data(), &folder, &file, false, true));
    EXPECT_EQ(Taken(folder), scene.folder.str()); // where the user had gone
    EXPECT_EQ(file, &untouched);                  // nothing chosen, nothing handed over
}

TEST(OpenPanel, ChoosesFoldersOnlyWhenAllowedAndRunsWithoutOutputs) {
    ChooserScene scene;
    scene.Folder("Sub");
    scene.File("Sub/Import.csv");
    scene.Script("choose \"Sub\"\n"
                 "choose \"Import.csv\"\n" // files may not be chosen: beeps
                 "choose \".\"\n"          // the folder shown
                 "choose \"Sub/Import.csv\"\n"
                 "choose \".\"\n" // nothing may be chosen: the folder is shown again
                 "cancel\n");
    char* folder = nullptr;
    char* file = nullptr;
    EXPECT_TRUE(MyOpenPanel(nullptr, &folder, &file, true, false)); // starts at home
    EXPECT_EQ(Taken(file), scene.Path("Sub"));
    EXPECT_EQ(Taken(folder), scene.Path("Sub"));
    EXPECT_TRUE(MyOpenPanel(nullptr, nullptr, nullptr, false, true));
    EXPECT_FALSE(MyOpenPanel(nullptr, nullptr, nullptr, false, false));
    EXPECT_EQ(scene.Beeps(), 1u);
    EXPECT_FALSE(scene.Display().ScriptEndedEarly());
}

TEST(SavePanel, ConvertsTheChosenPathAndLogsItsRun) {
    ChooserScene scene;
    scene.Folder("Sub");
    scene.Script("key return\n" // the name proposed, at home
                 "choose \"Sub/Other.txt\"\n");
    FolderLocation home = LocateFolderPath(scene.folder.str());
    FolderLocation sub = LocateFolderPath(scene.Path("Sub"));
    char name[] = "Export.txt";
    FSSpec spec{};
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(MySavePanel(nullptr, name, &spec));
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), HasSubstr("savePanel runModa\n"));
    EXPECT_EQ(spec.vRefNum, home.vRefNum);
    EXPECT_EQ(spec.parID, home.dirID);
    EXPECT_EQ(NameOf(spec), "Export.txt");
    EXPECT_TRUE(MySavePanel(nullptr, nullptr, &spec));
    EXPECT_EQ(spec.parID, sub.dirID);
    EXPECT_EQ(NameOf(spec), "Other.txt");
}

// A name too long for an FSSpec is no answer: the FSSpec would be stale or half written.
TEST(SavePanel, CancelOrAnUnusableNameLeavesTheFSSpecAlone) {
    ChooserScene scene;
    scene.Script("cancel\n"
                 "choose \"" +
                 std::string(64, 'n') + "\"\n");
    FSSpec spec;
    std::memset(&spec, 0x5A, sizeof spec);
    const FSSpec before = spec;
    EXPECT_FALSE(MySavePanel(nullptr, nullptr, &spec));
    EXPECT_EQ(std::memcmp(&spec, &before, sizeof spec), 0);
    EXPECT_FALSE(MySavePanel(nullptr, nullptr, &spec));
}
