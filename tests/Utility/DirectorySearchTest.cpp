#include "Utility/Utility.h"

#include "TestSupport/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace testsupport;

namespace {

// The search's result as a path, or "" when it found nothing.
std::string Search(const std::string& folder, const char* name, compareMethod method) {
    char* found = nullptr;
    if (!searchDirectorySub(folder.c_str(), name, method, &found)) return found ? "(set)" : "";
    std::string path = found;
    std::free(found);
    return path;
}

} // namespace

TEST(DirectorySearch, SuffixFindsAFileAndSkipsFoldersSidecarsAndDanglingLinks) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "x.csv");
    std::ofstream(folder / "b.csv") << "1";
    std::ofstream(folder / "._d.csv") << "sidecar";
    std::ofstream(folder / "notes.txt") << "3";
    std::filesystem::create_symlink(folder / "gone", folder / "e.csv");
    EXPECT_EQ(Search(folder.str(), ".csv", compareSuffix), folder / "b.csv");
    EXPECT_EQ(Search(folder.str(), "note", comparePrefix), folder / "notes.txt");
    EXPECT_EQ(Search(folder.str(), "x.csv", compareEqual), "");
    EXPECT_EQ(Search(folder.str() + "/", "notes.txt", compareEqual), folder / "notes.txt");
}

TEST(DirectorySearch, ExactNamesAreCaseSensitiveAndUnknownMethodsAreExact) {
    TempFolder folder;
    std::ofstream(folder / "Data.csv") << "1";
    EXPECT_EQ(Search(folder.str(), "data.csv", compareEqual), "");
    EXPECT_EQ(Search(folder.str(), "Data.csv", compareMethod(7)), folder / "Data.csv");
    EXPECT_EQ(Search(folder.str(), ".csv", compareMethod(7)), "");
    EXPECT_EQ(Search(folder / "missing", "Data.csv", compareEqual), "");
    char* untouched = reinterpret_cast<char*>(&folder);
    EXPECT_FALSE(searchDirectorySub(nullptr, "x", compareEqual, &untouched));
    EXPECT_FALSE(searchDirectorySub(folder.str().c_str(), nullptr, compareEqual, &untouched));
    EXPECT_FALSE(searchDirectorySub(folder.str().c_str(), "x", compareEqual, nullptr));
    EXPECT_EQ(untouched, reinterpret_cast<char*>(&folder));
}
