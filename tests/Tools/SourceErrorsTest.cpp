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

TEST(ResourceSourceErrors, SyntaxErrorsNameTheirLine) {
    EXPECT_THAT(ErrorOf("# comment\nwindow 1\nend\n"),
                StartsWith("test.res:2: unknown resource kind 'window'"));
    EXPECT_THAT(ErrorOf("string 1\n    text \"a\"\n"),
                StartsWith("test.res:1: the 'string' block has no 'end' line"));
    EXPECT_THAT(ErrorOf("| stray text\n"), StartsWith("test.res:1: text outside a resource block"));
    EXPECT_THAT(ErrorOf("string 1\n    text \"open\nend\n"),
                StartsWith("test.res:2: unterminated string"));
    EXPECT_THAT(ErrorOf("string 1 \"name\" sticky\n    text \"a\"\nend\n"),
                StartsWith("test.res:1: unknown attribute 'sticky'"));
}

TEST(ResourceSourceErrors, ValueErrorsNameTheirLine) {
    EXPECT_THAT(ErrorOf("string 40000\n    text \"a\"\nend\n"),
                StartsWith("test.res:1: expected a number from -32768 to 32767, found '40000'"));
    EXPECT_THAT(ErrorOf("string 1\n    text \"" + std::string(256, 'x') + "\"\nend\n"),
                StartsWith("test.res:2: the string is 256 bytes long; at most 255 fit"));
    EXPECT_THAT(ErrorOf("string 1\n    text \"a\"\n    text \"b\"\nend\n"),
                StartsWith("test.res:3: the field 'text' is given twice"));
    EXPECT_THAT(ErrorOf("\nalert 5\n    items 5\nend\n"),
                StartsWith("test.res:2: the 'alert' lacks the field 'bounds'"));
    EXPECT_THAT(ErrorOf("alert 5\n    bounds 16;32 80x16\n    items 5\nend\n"),
                StartsWith("test.res:2: expected a position such as 16,32"));
    EXPECT_THAT(ErrorOf("menu 5\n    title \"M\"\n    item \"A\" key AB\nend\n"),
                StartsWith("test.res:3: a key equivalent is one character"));
}

TEST(ResourceSourceErrors, ItemAndStringNumbersAreChecked) {
    EXPECT_THAT(ErrorOf("item-list 5\n    1 button 0,0 80x16 \"A\"\n    3 button 0,16 80x16 \"B\"\n"
                        "end\n"),
                StartsWith("test.res:3: this is item 2, not item 3"));
    EXPECT_THAT(ErrorOf("item-list 5\n    1 slider 0,0 80x16\nend\n"),
                StartsWith("test.res:2: unknown item kind 'slider'"));
    EXPECT_THAT(ErrorOf("item-list 5\nend\n"),
                StartsWith("test.res:1: an item list needs at least one item"));
    EXPECT_THAT(ErrorOf("string-list 5\n    1 \"a\"\n    1 \"b\"\nend\n"),
                StartsWith("test.res:3: this is string 2, not string 1"));
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
