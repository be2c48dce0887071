#include "Utility/Utility.h"

#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace testsupport;

TEST(PathConversion, ExistingAndNotYetExistingFilesAndFailuresWithTheirCodes) {
    TempFolder folder;
    std::ofstream(folder / "Export.txt") << "x";
    const std::string longName(64, 'n');
    std::ofstream(folder / longName) << "x";
    const FolderLocation parent = LocateFolderPath(folder.str());
    const long live = PlatformLiveObjectCount();

    FSSpec spec{};
    ASSERT_EQ(PathToFSSpec((folder / "Export.txt").c_str(), &spec), noErr);
    EXPECT_EQ(spec.vRefNum, parent.vRefNum);
    EXPECT_EQ(spec.parID, parent.dirID);
    EXPECT_EQ(NameOf(spec), "Export.txt");

    FSSpec missing{};
    ASSERT_EQ(PathToFSSpec((folder / "New \xC3\xA9.txt").c_str(), &missing), noErr);
    EXPECT_EQ(missing.vRefNum, parent.vRefNum);
    EXPECT_EQ(missing.parID, parent.dirID);
    EXPECT_EQ(NameOf(missing), "New \xC3\xA9.txt");

    EXPECT_EQ(PathToFSSpec((folder / "NoFolder/file.txt").c_str(), &spec), fnfErr);
    EXPECT_EQ(PathToFSSpec((folder / (longName + "x")).c_str(), &spec), fnfErr);
    EXPECT_EQ(PathToFSSpec((folder / longName).c_str(), &spec), fnfErr); // exists, too long
    EXPECT_EQ(PathToFSSpec((folder / std::string(63, 'n')).c_str(), &spec), noErr);
    EXPECT_EQ(PathToFSSpec("relative/file.txt", &spec), fnfErr);
    EXPECT_EQ(PathToFSSpec((folder / "bad\xFF").c_str(), &spec), memFullErr);
    EXPECT_EQ(PathToFSSpec(nullptr, &spec), paramErr);
    EXPECT_EQ(PathToFSSpec(folder.str().c_str(), nullptr), paramErr);
    EXPECT_EQ(PlatformLiveObjectCount(), live);
}
