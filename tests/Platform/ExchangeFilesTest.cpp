#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace testsupport;

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

OSType TypeOf(const FSSpec& spec) {
    FInfo info{};
    FSpGetFInfo(&spec, &info);
    return info.fdType;
}

} // namespace

TEST(FSpExchangeFiles, ContentsAndSidecarsChangePlacesNamesStay) {
    TempFolder temp;
    FSSpec a = SpecIn(temp.str(), "A"), b = SpecIn(temp.str(), "B");
    ASSERT_EQ(FSpCreate(&a, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1), noErr);
    ASSERT_EQ(FSpCreate(&b, FOUR_CHAR_CODE("ttxt"), FOUR_CHAR_CODE("PREF"), -1), noErr);
    std::ofstream(temp / "A") << "first";
    std::ofstream(temp / "B") << "second, longer";

    ASSERT_EQ(FSpExchangeFiles(&a, &b), noErr);
    EXPECT_EQ(Contents(temp / "A"), "second, longer");
    EXPECT_EQ(Contents(temp / "B"), "first");
    EXPECT_EQ(TypeOf(a), FOUR_CHAR_CODE("PREF"));
    EXPECT_EQ(TypeOf(b), FOUR_CHAR_CODE("TEXT"));

    // A file without a sidecar hands the other name none.
    std::ofstream(temp / "C") << "plain";
    FSSpec c = SpecIn(temp.str(), "C");
    ASSERT_EQ(FSpExchangeFiles(&a, &c), noErr);
    EXPECT_EQ(Contents(temp / "A"), "plain");
    EXPECT_FALSE(std::filesystem::exists(temp / "._A"));
    EXPECT_EQ(TypeOf(c), FOUR_CHAR_CODE("PREF"));
    EXPECT_EQ(FSpExchangeFiles(&a, &a), noErr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 5);
}

TEST(FSpExchangeFiles, RefusesWhatCannotBeExchanged) {
    TempFolder temp;
    FSSpec a = SpecIn(temp.str(), "A"), missing = SpecIn(temp.str(), "Missing");
    ASSERT_EQ(FSpCreate(&a, 0, 0, -1), noErr);
    std::filesystem::create_directory(temp / "Folder");
    FSSpec folder = SpecIn(temp.str(), "Folder");

    EXPECT_EQ(FSpExchangeFiles(&a, &missing), fnfErr);
    EXPECT_EQ(FSpExchangeFiles(&missing, &a), fnfErr);
    EXPECT_EQ(FSpExchangeFiles(&a, &folder), notAFileErr);

    FSSpec b = SpecIn(temp.str(), "B");
    ASSERT_EQ(FSpCreate(&b, 0, 0, -1), noErr);
    SInt16 refNum;
    ASSERT_EQ(FSpOpenDF(&b, fsRdPerm, &refNum), noErr);
    EXPECT_EQ(FSpExchangeFiles(&a, &b), fBsyErr);
    FSClose(refNum);
    EXPECT_EQ(FSpExchangeFiles(&a, &b), noErr);
}
