#include "Utility/Utility.h"

#include "TestSupport/ChooserScene.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace testsupport;

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
