#include "Platform/CoreFoundation.h"
#include "Platform/PlatformTesting.h"
#include "Platform/TextUtils.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// Two bytes, three bytes and a four-byte character outside the basic plane.
const char kMixed[] = "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9D\x84\x9E";

std::string LastComponent(CFURLRef url) {
    CFStringRef name = CFURLCopyLastPathComponent(url);
    char text[256] = "";
    CFStringGetCString(name, text, sizeof text, kCFStringEncodingUTF8);
    CFRelease(name);
    return text;
}

} // namespace

TEST(CoreFoundationString, UTF8RoundTripCountsUTF16Units) {
    CFStringRef string = CFStringCreateWithCString(nullptr, kMixed, kCFStringEncodingUTF8);
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(CFStringGetLength(string), 9); // the last character is a surrogate pair
    UniChar units[3] = {};
    CFStringGetCharacters(string, CFRangeMake(2, 3), units);
    EXPECT_EQ(units[0], 0x00FC);
    EXPECT_EQ(units[1], 0x00DF);
    EXPECT_EQ(units[2], u' ');
    char back[64];
    ASSERT_TRUE(CFStringGetCString(string, back, sizeof back, kCFStringEncodingUTF8));
    EXPECT_STREQ(back, kMixed);
    EXPECT_FALSE(CFStringGetCString(string, back, sizeof back, kCFStringEncodingASCII));
    CFRelease(string);
}

TEST(CoreFoundationString, ConversionsNeedRoomForTheWholeText) {
    CFStringRef string = CFStringCreateWithCString(nullptr, "Preferences", kCFStringEncodingASCII);
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(CFStringGetCString(string, buffer, 11, kCFStringEncodingUTF8));
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_TRUE(CFStringGetCString(string, buffer, 12, kCFStringEncodingUTF8));
    EXPECT_STREQ(buffer, "Preferences");
    EXPECT_FALSE(CFStringGetCString(string, buffer, sizeof buffer, 0x0100)); // unsupported

    Str255 pascal = {};
    EXPECT_FALSE(CFStringGetPascalString(string, pascal, 11, kCFStringEncodingUTF8));
    EXPECT_EQ(pascal[0], 0);
    ASSERT_TRUE(CFStringGetPascalString(string, pascal, 12, kCFStringEncodingUTF8));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pascal + 1), pascal[0]), "Preferences");
    CFRelease(string);

    std::string longText(256, 'a');
    CFStringRef tooLong = CFStringCreateWithCString(nullptr, longText.c_str(), 0x0600);
    EXPECT_FALSE(CFStringGetPascalString(tooLong, pascal, 1000, kCFStringEncodingUTF8));
    CFRelease(tooLong);
}

TEST(CoreFoundationString, InvalidBytesMakeNoString) {
    for (const char* bad : {"\xC0\xAF", "abc\x80", "\xE2\x82", "\xED\xA0\x80", "\xF5\x80\x80\x80"})
        EXPECT_EQ(CFStringCreateWithCString(nullptr, bad, kCFStringEncodingUTF8), nullptr) << bad;
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "caf\xC3\xA9", kCFStringEncodingASCII), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "x", 0x0100), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, nullptr, kCFStringEncodingUTF8), nullptr);
    const unsigned char pascal[] = {3, 'a', 'b', 'c', 'd'};
    CFStringRef fromPascal = CFStringCreateWithPascalString(nullptr, pascal, 0x0600);
    EXPECT_EQ(CFStringGetLength(fromPascal), 3);
    CFRelease(fromPascal);
}

TEST(CoreFoundationString, ConstantsAreSharedAndCountsBalance) {
    EXPECT_EQ(CFSTR("CFBundleName"), CFSTR("CFBundleName"));
    CFRelease(CFSTR("CFBundleName"));
    EXPECT_EQ(CFStringGetLength(CFSTR("CFBundleName")), 12);
    const long live = PlatformLiveObjectCount();

    CFStringRef string = CFStringCreateWithCString(nullptr, "x", kCFStringEncodingUTF8);
    EXPECT_EQ(CFGetRetainCount(CFRetain(string)), 2);
    CFRelease(string);
    EXPECT_EQ(CFGetRetainCount(string), 1);
    CFRelease(string);
    EXPECT_EQ(PlatformLiveObjectCount(), live);
}

TEST(CoreFoundationURL, ComponentsUpToTheRoot) {
    CFURLRef folder =
        CFURLCreateWithFileSystemPath(nullptr, CFSTR("/var//tmp/"), kCFURLPOSIXPathStyle, true);
    CFURLRef parent = CFURLCreateCopyDeletingLastPathComponent(nullptr, folder);
    CFURLRef root = CFURLCreateCopyDeletingLastPathComponent(nullptr, parent);
    EXPECT_EQ(LastComponent(folder), "tmp");
    EXPECT_EQ(LastComponent(parent), "var");
    EXPECT_EQ(LastComponent(root), "/");
    FSRef ref;
    EXPECT_TRUE(CFURLGetFSRef(root, &ref));
    for (CFTypeRef object : {CFTypeRef(folder), CFTypeRef(parent), CFTypeRef(root)})
        CFRelease(object);
    EXPECT_EQ(CFURLCreateWithFileSystemPath(nullptr, CFSTR(""), kCFURLPOSIXPathStyle, false),
              nullptr);
}

TEST(TextUtils, ConversionsTruncateAndWorkInPlace) {
    std::string longText(300, 'z');
    Str255 pascal;
    CopyCStringToPascal(longText.c_str(), pascal);
    EXPECT_EQ(pascal[0], 255);
    char buffer[256] = "Korvane";
    c2pstrcpy(reinterpret_cast<unsigned char*>(buffer), buffer);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(std::memcmp(buffer + 1, "Korvane", 7), 0);
    p2cstrcpy(buffer, reinterpret_cast<unsigned char*>(buffer));
    EXPECT_STREQ(buffer, "Korvane");
    CopyPascalStringToC(pascal, buffer);
    EXPECT_EQ(std::strlen(buffer), 255u);
}
