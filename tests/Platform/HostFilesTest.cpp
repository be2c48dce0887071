// The host's whole-file calls: what is read, how a file is replaced, which files count as plain.
#include "Platform/HostFiles.h"
#include "ChildProcess.h"
#include "Platform/MacErrors.h"
#include "TestSupport/FileContents.h"
#include "TestSupport/TempFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::ReadFileText;
using testsupport::TempFolder;
using testsupport::WriteFileText;
namespace fs = std::filesystem;

namespace {

OSStatus ReadWhole(const std::string& path, SInt32 maxLength, std::string* text) {
    text->clear();
    return PlatformReadFileWhole(path.c_str(), maxLength, text);
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace

TEST(HostFilesTest, OnlyAPlainFileIsReadAndNoMoreThanAsked) {
    TempFolder temp;
    WriteFileText(temp / "list", "ann,1,Ann\n");
    std::string text;
    EXPECT_EQ(ReadWhole(temp / "list", 10, &text), noErr);
    EXPECT_EQ(text, "ann,1,Ann\n");
    EXPECT_EQ(ReadWhole(temp / "list", 9, &text), fsDataTooBigErr);
    EXPECT_EQ(ReadWhole(temp / "missing", 10, &text), kPOSIXErrorBase + ENOENT);
    EXPECT_EQ(ReadWhole(temp.str(), 10, &text), notAFileErr);
    ASSERT_EQ(mkfifo((temp / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReadWhole(temp / "fifo", 10, &text), notAFileErr) << "and without waiting";
    WriteFileText(temp / "empty", "");
    EXPECT_EQ(ReadWhole(temp / "empty", 10, &text), noErr);
    EXPECT_EQ(text, "");

    // Standard input is read whatever it is.
    const std::string list = temp / "list";
    EXPECT_EQ(testsupport::RunInChild([&] {
                  const int fd = open(list.c_str(), O_RDONLY);
                  if (fd < 0 || dup2(fd, STDIN_FILENO) < 0) return 2;
                  std::string input;
                  return PlatformReadFileWhole(nullptr, 10, &input) == noErr &&
                                 input == "ann,1,Ann\n"
                             ? 0
                             : 1;
              }),
              0);
}

TEST(HostFilesTest, AReplacedFileKeepsItsModeAndALinkIsReplacedNotFollowed) {
    TempFolder temp;
    const std::string fresh = temp / "fresh.txt";
    EXPECT_EQ(PlatformWriteFileWhole(fresh.c_str(), "one\n", 4), noErr);
    EXPECT_EQ(ReadFileText(fresh), "one\n");
    EXPECT_EQ(ModeOf(fresh), 0600u) << "a new file is the user's alone";

    fs::permissions(fresh, fs::perms(0644));
    EXPECT_EQ(PlatformWriteFileWhole(fresh.c_str(), "", 0), noErr);
    EXPECT_EQ(ReadFileText(fresh), "");
    EXPECT_EQ(ModeOf(fresh), 0644u);

    const std::string victim = temp / "victim";
    const std::string planted = temp / "planted";
    WriteFileText(victim, "someone else's\n");
    fs::create_symlink(victim, planted);
    EXPECT_EQ(PlatformWriteFileWhole(planted.c_str(), "mine\n", 5), noErr);
    EXPECT_EQ(ReadFileText(victim), "someone else's\n");
    EXPECT_FALSE(fs::is_symlink(planted));
    EXPECT_EQ(ReadFileText(planted), "mine\n");
}

TEST(HostFilesTest, AFailedReplaceLeavesNothingBehindAndSaysWhy) {
    TempFolder temp;
    fs::create_directory(temp / "folder");
    const std::string folder = temp / "folder";
    EXPECT_EQ(PlatformWriteFileWhole(folder.c_str(), "x", 1), kPOSIXErrorBase + EISDIR);
    EXPECT_EQ(PlatformWriteFileWhole((temp / "missing/file").c_str(), "x", 1),
              kPOSIXErrorBase + ENOENT);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(temp.path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "only the folder";
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(HostFilesTest, APlainFileIsNoLinkNorFolder) {
    TempFolder temp;
    WriteFileText(temp / "plain", "x");
    fs::create_symlink(temp / "plain", temp / "link");
    EXPECT_EQ(PlatformCheckPlainFile((temp / "plain").c_str()), noErr);
    EXPECT_EQ(PlatformCheckPlainFile((temp / "link").c_str()), permErr);
    EXPECT_EQ(PlatformCheckPlainFile(temp.str().c_str()), permErr);
    EXPECT_EQ(PlatformCheckPlainFile((temp / "missing").c_str()), fnfErr);
}
