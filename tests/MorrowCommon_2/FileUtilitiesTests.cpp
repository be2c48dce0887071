#include "MorrowCommon_2/FileRefNumToFileLocation.h"
#include "MorrowCommon_2/GetFoldersNameAndParDirID.h"
#include "MorrowCommon_2/MyCreateFile.h"
#include "MorrowCommon_2/MyFileTypeAndCreator.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "Platform/MacErrors.h"
#include "TestSupport/PString.h"
#include "TestSupport/ResourceFiles.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// The volume and ID of a folder, as the file utilities name it.
struct FolderLocation {
    SInt16 vRefNum = 0;
    SInt32 dirID = 0;
};

FolderLocation LocationOf(const std::string& path) {
    FSRef ref;
    Boolean isFolder = false;
    FSCatalogInfo info{};
    EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8*>(path.c_str()), &ref, &isFolder), noErr);
    EXPECT_EQ(FSGetCatalogInfo(&ref, kFSCatInfoNodeID | kFSCatInfoVolume, &info, nullptr, nullptr,
                               nullptr),
              noErr);
    return {info.volume, SInt32(info.nodeID)};
}

class FileUtilities : public ::testing::Test {
  protected:
    testsupport::TempFolder temp;
    FolderLocation folder = LocationOf(temp.str());

    FSSpec Spec(std::string_view name) const {
        FSSpec spec{};
        FSMakeFSSpec(folder.vRefNum, folder.dirID, PString(name), &spec); // may be -43
        return spec;
    }
    void WriteFile(const std::string& name, const std::string& contents = "data") const {
        std::ofstream(temp / name) << contents;
    }
};

} // namespace

TEST_F(FileUtilities, FindNamedFileTellsFilesFromFoldersAndMissingNames) {
    // Volume 0 with folder 0 is an error of its own; -43 shows the file system was not asked.
    EXPECT_EQ(FindNamedFile(0, 0, PString("")), fnfErr);
    EXPECT_EQ(FindNamedFile(folder.vRefNum, folder.dirID, PString("")), fnfErr);

    WriteFile("present");
    fs::create_directory(temp / "sub");
    EXPECT_EQ(FindNamedFile(folder.vRefNum, folder.dirID, PString("present")), noErr);
    EXPECT_EQ(FindNamedFile(folder.vRefNum, folder.dirID, PString("sub")), dupFNErr);
    EXPECT_EQ(FindNamedFile(folder.vRefNum, folder.dirID, PString("absent")), fnfErr);

    const FSSpec present = Spec("present");
    EXPECT_EQ(FindNamedFile(&present), noErr);
}

TEST_F(FileUtilities, CreateFileAndSetItsTypeAndCreator) {
    const FSSpec spec = Spec("new");
    EXPECT_EQ(MySetFileTypeAndCreator(&spec, FOUR_CHAR_CODE("TEXT"), FOUR_CHAR_CODE("Wqtz")),
              fnfErr);
    EXPECT_TRUE(fs::is_empty(temp.path())); // nothing written for a missing file

    EXPECT_EQ(MyOnlyCreateFile(&spec), noErr);
    EXPECT_EQ(MyOnlyCreateFile(folder.vRefNum, folder.dirID, spec.name), dupFNErr);
    OSType type = 1, creator = 1;
    EXPECT_EQ(MyGetFileTypeAndCreator(&spec, &type, &creator), noErr);
    EXPECT_EQ(type, 0u);
    EXPECT_EQ(creator, 0u);

    EXPECT_EQ(MySetFileTypeAndCreator(&spec, FOUR_CHAR_CODE("TEXT"), FOUR_CHAR_CODE("Wqtz")),
              noErr);
    EXPECT_EQ(MyGetFileTypeAndCreator(folder.vRefNum, folder.dirID, spec.name, &type, &creator),
              noErr);
    EXPECT_EQ(type, FOUR_CHAR_CODE("TEXT"));
    EXPECT_EQ(creator, FOUR_CHAR_CODE("Wqtz"));
}

TEST_F(FileUtilities, OpenCloseAndLocateOpenForks) {
    SInt16 refNum = -1;
    EXPECT_EQ(MyOnlyOpenFile(folder.vRefNum, folder.dirID, PString("absent"), &refNum), fnfErr);
    EXPECT_EQ(refNum, 0);

    WriteFile("doc");
    const FSSpec spec = Spec("doc");
    ASSERT_EQ(MyOnlyOpenFile(&spec, &refNum), noErr);
    FSSpec found{};
    EXPECT_EQ(FileRefNumToFileLocation(refNum, &found, nullptr), noErr);
    EXPECT_EQ(found.vRefNum, folder.vRefNum);
    EXPECT_EQ(found.parID, folder.dirID);
    EXPECT_EQ(TextOf(found.name), "doc");
    Boolean isDataFork = false;
    EXPECT_EQ(FileRefNumToFileLocation(refNum, &found, &isDataFork), noErr);
    EXPECT_TRUE(isDataFork);
    EXPECT_EQ(MyCloseFile(refNum), noErr);

    FSSpec untouched{7, 99, {1, 'x'}};
    EXPECT_NE(FileRefNumToFileLocation(refNum, &untouched, &isDataFork), noErr);
    EXPECT_EQ(untouched.vRefNum, 7);
    EXPECT_EQ(untouched.parID, 99);

    SInt16 rsrcRefNum = testsupport::OpenResourceFork(spec, fsRdWrPerm);
    ASSERT_NE(rsrcRefNum, 0);
    EXPECT_EQ(FileRefNumToFileLocation(rsrcRefNum, &found, &isDataFork), noErr);
    EXPECT_FALSE(isDataFork);
    EXPECT_EQ(MyCloseFile(rsrcRefNum), noErr);
}

TEST(FindPreferencesFolder, CreatesTheFolderAndNamesIt) {
    testsupport::ScopedDomains domains;
    ASSERT_FALSE(fs::exists(domains.userPreferences()));
    SInt16 vRefNum = 0;
    SInt32 dirID = 0;
    ASSERT_EQ(FindPreferencesFolder(&vRefNum, &dirID), noErr);
    EXPECT_TRUE(fs::is_directory(domains.userPreferences()));

    Str255 name;
    SInt32 parID = 0;
    EXPECT_EQ(GetFoldersNameAndParDirID(vRefNum, dirID, name, &parID), noErr);
    EXPECT_EQ(TextOf(name), "user-preferences");
    EXPECT_EQ(parID, LocationOf(domains.temp().str()).dirID);

    FSSpec spec{vRefNum, dirID, {}};
    EXPECT_EQ(GetFoldersNameAndParDirID(&spec, &parID), noErr);
    EXPECT_EQ(spec.parID, dirID);
    EXPECT_EQ(GetFoldersNameAndParDirID(&spec), noErr);
    EXPECT_EQ(spec.parID, parID); // the FSSpec now names the folder itself
    EXPECT_EQ(TextOf(spec.name), "user-preferences");
    EXPECT_EQ(FindNamedFile(&spec), dupFNErr);
}
