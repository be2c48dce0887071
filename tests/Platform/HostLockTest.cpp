// The host's file lock: one holder at a time, across processes too, never through a link.
#include "Platform/HostLock.h"
#include "ChildProcess.h"
#include "Platform/MacErrors.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::RunInChild;
using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

// The result of a lock taken by another process, which ends holding it; as root, with asNobody,
// that process runs as an account without root's rights.
OSErr LockInChild(const std::string& path, bool asNobody = false) {
    return OSErr(-RunInChild([&] {
        if (asNobody && geteuid() == 0 && !testsupport::BecomeNobody()) return 1;
        PlatformFileLockRef lock = nullptr;
        return -PlatformLockFile(path.c_str(), &lock);
    }));
}

} // namespace

TEST(HostLockTest, OneHolderAtATimeUntilItLetsGoOrEnds) {
    TempFolder temp;
    const std::string path = temp / "QZJA.lock";
    PlatformFileLockRef held = nullptr, second = nullptr;
    ASSERT_EQ(PlatformLockFile(path.c_str(), &held), noErr);
    ASSERT_NE(held, nullptr);
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    EXPECT_EQ(PlatformLockFile(path.c_str(), &second), opWrErr) << "held against this process";
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(LockInChild(path), opWrErr) << "and against another";

    PlatformUnlockFile(held);
    EXPECT_FALSE(fs::exists(path)) << "the file goes before the lock";
    PlatformUnlockFile(nullptr);

    // A holder that ends without letting go (a crash) keeps nobody out.
    ASSERT_EQ(LockInChild(path), noErr);
    EXPECT_TRUE(fs::exists(path));
    ASSERT_EQ(PlatformLockFile(path.c_str(), &held), noErr);
    PlatformUnlockFile(held);
}

TEST(HostLockTest, ALinkOrAFolderThatCannotHoldTheFileIsRefused) {
    TempFolder temp;
    const std::string target = temp / "elsewhere";
    const std::string path = temp / "QZJA.lock";
    fs::create_symlink(target, path);
    PlatformFileLockRef lock = nullptr;
    EXPECT_EQ(PlatformLockFile(path.c_str(), &lock), ioErr);
    EXPECT_FALSE(fs::exists(target)) << "the link was followed";
    EXPECT_EQ(PlatformLockFile((temp / "missing/QZJA.lock").c_str(), &lock), ioErr);
    EXPECT_EQ(lock, nullptr);

    fs::remove(path);
    fs::permissions(temp.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EQ(LockInChild(path, true), permErr);
    EXPECT_FALSE(fs::exists(path));
}
