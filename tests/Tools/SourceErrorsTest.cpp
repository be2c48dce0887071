#include "CompilerTestSupport.h"
#include "TestSupport/FileContents.h"
#include "TestSupport/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>

using namespace resourcetest;
using testing::AllOf;
using testing::HasSubstr;
using testing::StartsWith;

// Each source's first error, with the line it names.
TEST(ResourceSourceErrors, SyntaxValueAndNumberingErrorsNameTheirLine) {
    const std::pair<std::string, const char*> cases[] = {
        {"# comment\nwindow 1\nend\n", "test.res:2: unknown resource kind 'window'"},
        {"string 1\n    text \"a\"\n", "test.res:1: the 'string' block has no 'end' line"},
        {"| stray text\n", "test.res:1: text outside a resource block"},
        {"string 1\n    text \"open\nend\n", "test.res:2: unterminated string"},
        {"string 1 \"name\" sticky\n    text \"a\"\nend\n",
         "test.res:1: unknown attribute 'sticky'"},
        {"string 40000\n    text \"a\"\nend\n",
         "test.res:1: expected a number from -32768 to 32767, found '40000'"},
        {"string 1\n    text \"" + std::string(256, 'x') + "\"\nend\n",
         "test.res:2: the string is 256 bytes long; at most 255 fit"},
        {"string 1\n    text \"a\"\n    text \"b\"\nend\n",
         "test.res:3: the field 'text' is given twice"},
        {"\nalert 5\n    items 5\nend\n", "test.res:2: the 'alert' lacks the field 'bounds'"},
        {"alert 5\n    bounds 16;32 80x16\n    items 5\nend\n",
         "test.res:2: expected a position such as 16,32"},
        {"menu 5\n    title \"M\"\n    item \"A\" key AB\nend\n",
         "test.res:3: a key equivalent is one character"},
        {"item-list 5\n    1 button 0,0 80x16 \"A\"\n    3 button 0,16 80x16 \"B\"\nend\n",
         "test.res:3: this is item 2, not item 3"},
        {"item-list 5\n    1 slider 0,0 80x16\nend\n", "test.res:2: unknown item kind 'slider'"},
        {"item-list 5\nend\n", "test.res:1: an item list needs at least one item"},
        {"string-list 5\n    1 \"a\"\n    1 \"b\"\nend\n",
         "test.res:3: this is string 2, not string 1"},
    };
    for (const auto& [source, message] : cases)
        EXPECT_THAT(ErrorOf(source), StartsWith(message));
}

TEST(ResourceSourceErrors, TextErrorsNameTheLineWhereTheyStart) {
    EXPECT_THAT(ErrorOf("styled-text 5\n    | plain\n    | *bold\n    | still bold\nend\n"),
                StartsWith("test.res:3: a *bold* span is not closed"));
    EXPECT_THAT(ErrorOf("styled-text 5\n    | _under\nend\n"),
                StartsWith("test.res:2: an _underlined_ span is not closed"));
    EXPECT_THAT(ErrorOf("text 5\n    | a\n    file \"a.txt\"\nend\n"),
                StartsWith("test.res:3: a text comes from one 'file' line or from '| ' lines"));
    testsupport::TempFolder folder;
    EXPECT_THAT(
        ErrorOf("text 5\n    file \"missing.txt\"\nend\n", folder.path()),
        AllOf(StartsWith("test.res:2: cannot read the text file"), HasSubstr("missing.txt")));
}

TEST(ResourceSourceErrors, ResourceDefinedTwiceNamesBothPlaces) {
    testsupport::TempFolder folder;
    std::ofstream(folder / "a.res") << "string 7\n    text \"a\"\nend\n";
    std::ofstream(folder / "b.res") << "\n\nstring 7\n    text \"b\"\nend\n";
    try {
        rc::CompileFiles({folder / "a.res", folder / "b.res"});
        FAIL() << "compiled a resource defined twice";
    } catch (const rc::CompileError& error) {
        EXPECT_EQ(std::string(error.what()), folder / "b.res" +
                                                 ":3: 'STR ' 7 is defined already, at " +
                                                 folder / "a.res" + ":1");
    }
}

// The build runs the compiler; a bad source must fail it and leave no resource file behind.
TEST(ResourceSourceErrors, CompilerExitsWithAnErrorAndWritesNothing) {
    std::string compiler = (std::filesystem::path(KORVANE_BUILD_BUNDLE).parent_path() /
                            "tools/ResourceCompiler/korvane-rc")
                               .string();
    testsupport::TempFolder folder;
    std::ofstream(folder / "good.res") << "string 1\n    text \"a\"\nend\n";
    std::ofstream(folder / "bad.res") << "string 1\n    text a\nend\n";
    auto run = [&](const std::string& source, const std::string& output) {
        std::string command = compiler + " -o " + (folder / output) + " " + (folder / source) +
                              " 2>" + (folder / "errors.txt");
        return std::system(command.c_str());
    };
    EXPECT_EQ(run("good.res", "good.rsrc"), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "good.rsrc"));
    EXPECT_NE(run("bad.res", "bad.rsrc"), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.rsrc"));
    std::string message = testsupport::ReadFileText(folder / "errors.txt");
    EXPECT_EQ(message, folder / "bad.res" + ":2: expected a string, found 'a'\n");
}
