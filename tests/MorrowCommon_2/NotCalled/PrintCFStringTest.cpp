#include "MorrowCommon_2/printcfs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Printed(const std::string& text) {
    CFStringRef string = CFStringCreateWithCString(nullptr, text.c_str(), kCFStringEncodingUTF8);
    testing::internal::CaptureStdout();
    printcfs(string);
    std::fflush(stdout);
    CFRelease(string);
    return testing::internal::GetCapturedStdout();
}

} // namespace

// The text goes through a 1024-byte buffer with its terminating zero.
TEST(printcfs, PrintsTheTextInAnglesOrSaysItCouldNot) {
    EXPECT_EQ(Printed("Öztürk, 7"), "<Öztürk, 7>");
    EXPECT_EQ(Printed(""), "<>");
    const std::string longest(1023, 'x');
    EXPECT_EQ(Printed(longest), "<" + longest + ">");
    EXPECT_EQ(Printed(longest + "x"), "[Unknown string]");
    testing::internal::CaptureStdout();
    printcfs(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}
