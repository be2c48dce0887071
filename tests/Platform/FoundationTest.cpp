#include "Platform/Foundation.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(Foundation, HomeTemporaryFolderAndPathJoining) {
    {
        ScopedEnv home("HOME", "");
        EXPECT_FALSE(NSHomeDirectory().has_value());
    }
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(NSHomeDirectory(), "/home/someone");
    {
        ScopedEnv tmp("TMPDIR", "/var/scratch");
        EXPECT_EQ(NSTemporaryDirectory(), "/var/scratch/");
    }
    ScopedEnv tmp("TMPDIR", "");
    EXPECT_EQ(NSTemporaryDirectory(), "/tmp/");
    EXPECT_EQ(StringByAppendingPathComponent("/Library/", "/Preferences"), "/Library/Preferences");
    EXPECT_EQ(StringByAppendingPathComponent("/", "etc"), "/etc");
    EXPECT_EQ(StringByAppendingPathComponent("", "etc"), "etc");
}

TEST(Foundation, ListingsHideSidecars) {
    TempFolder folder;
    std::ofstream(folder / "data.csv") << "x";
    std::ofstream(folder / "._data.csv") << "sidecar";
    std::filesystem::create_directory(folder / "Folder");
    std::filesystem::create_symlink(folder / "gone", folder / "dangling");
    NSFileManager& manager = NSFileManager::defaultManager();
    std::vector<std::string> names = manager.directoryContentsAtPath(folder.str());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Folder", "dangling", "data.csv"}));
    EXPECT_TRUE(manager.directoryContentsAtPath(folder / "missing").empty());
}

TEST(Foundation, PoolsReleaseWhatWasHandedToThem) {
    const long live = PlatformLiveObjectCount();
    {
        NSAutoreleasePool outer;
        CFStringRef kept = CFStringCreateWithCString(nullptr, "outer", kCFStringEncodingUTF8);
        CFAutorelease(kept);
        {
            NSAutoreleasePool inner;
            CFAutorelease(CFStringCreateWithCString(nullptr, "inner", kCFStringEncodingUTF8));
            EXPECT_EQ(CFAutorelease(nullptr), nullptr);
        }
        EXPECT_EQ(PlatformLiveObjectCount(), live + 1);
        EXPECT_EQ(CFStringGetLength(kept), 5);
    }
    EXPECT_EQ(PlatformLiveObjectCount(), live);
}

TEST(Foundation, LogWritesOneLine) {
    testing::internal::CaptureStderr();
    NSLog("%s %d", "panel", 7);
    NSLog("done\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "panel 7\ndone\n");
}
