#include "Korvane/DataStore/JAFileIdentity.h"
#include "TestSupport/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

TEST(JAFileIdentityTest, AnyChangeBySomeoneElseIsSeenAndNothingElse) {
    testsupport::TempFolder folder;
    const std::string path = folder.path() / "JobAccounting";
    const std::string text = "ann,1,Ann\r\n";
    JAFileIdentityRec noted;

    NoteJAFileIdentity(path.c_str(), "", 0, &noted);
    EXPECT_FALSE(noted.exists);
    EXPECT_FALSE(JAFileChangedSince(path.c_str(), &noted)) << "still missing";
    Write(path, text);
    EXPECT_TRUE(JAFileChangedSince(path.c_str(), &noted)) << "appeared";

    NoteJAFileIdentity(path.c_str(), text.data(), SInt32(text.size()), &noted);
    EXPECT_FALSE(JAFileChangedSince(path.c_str(), &noted)) << "as noted";

    // Other bytes of the same length, with the modification time put back.
    struct stat before;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    Write(path, "bob,1,Bob\r\n");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_TRUE(JAFileChangedSince(path.c_str(), &noted)) << "content";

    // The same bytes in a new file renamed over it, as a commit makes it.
    Write(path, text);
    NoteJAFileIdentity(path.c_str(), text.data(), SInt32(text.size()), &noted);
    Write(path + ".new", text);
    std::filesystem::rename(path + ".new", path);
    EXPECT_TRUE(JAFileChangedSince(path.c_str(), &noted)) << "replaced";

    NoteJAFileIdentity(path.c_str(), text.data(), SInt32(text.size()), &noted);
    std::filesystem::remove(path);
    EXPECT_TRUE(JAFileChangedSince(path.c_str(), &noted)) << "removed";

    NoteJAFileIdentity("", text.data(), SInt32(text.size()), &noted);
    EXPECT_FALSE(noted.exists) << "no path composed";
    EXPECT_FALSE(JAFileChangedSince("", &noted));
}
