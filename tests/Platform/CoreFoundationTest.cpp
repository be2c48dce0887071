#include "Platform/CoreFoundation.h"
#include "Platform/Foundation.h"
#include "Platform/PlatformTesting.h"
#include "Platform/TextUtils.h"
#include "TestSupport/PString.h"
#include "TestSupport/TempFolder.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace testsupport;

namespace {

// Two bytes, three bytes and a four-byte character outside the basic plane.
const char kMixed[] = "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9D\x84\x9E";

std::string Plist(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n" + body +
           "</dict>\n</plist>\n";
}

void WriteFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << text;
}

// The value of a key as UTF-8, or "(none)".
std::string Value(CFStringRef key) {
    CFTypeRef value = CFBundleGetValueForInfoDictionaryKey(CFBundleGetMainBundle(), key);
    char text[256];
    if (CFGetTypeID(value) != CFStringGetTypeID()) return "(none)";
    return CFStringGetCString(CFStringRef(value), text, sizeof text, kCFStringEncodingUTF8)
               ? text
               : "(none)";
}

class TempBundle {
  public:
    void info(const std::string& text) { WriteFile(folder_ / "Contents/Info.plist", text); }
    void strings(const std::string& language, const std::string& text) {
        WriteFile(folder_ / ("Contents/Resources/" + language + ".lproj/InfoPlist.strings"), text);
    }
    std::string path() const { return folder_.str(); }

  private:
    TempFolder folder_;
};

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
    EXPECT_EQ(TextOf(pascal), "Preferences");
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

TEST(TextUtils, ConversionsTruncateAndWorkInPlace) {
    std::string longText(300, 'z');
    Str255 pascal;
    CopyCStringToPascal(longText.c_str(), pascal);
    EXPECT_EQ(pascal[0], 255);
    char buffer[256] = "Korvane";
    CopyCStringToPascal(buffer, reinterpret_cast<unsigned char*>(buffer));
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(std::memcmp(buffer + 1, "Korvane", 7), 0);
    p2cstrcpy(buffer, reinterpret_cast<unsigned char*>(buffer));
    EXPECT_STREQ(buffer, "Korvane");
}

TEST(CoreFoundationBundle, LocalizedValuesComeFirstInTheUsersLanguage) {
    TempBundle temp;
    temp.info(Plist("<key>CFBundleName</key><string>Plain</string>"
                    "<key>Only Here</key><string>Info &amp; more</string>"));
    temp.strings("en", Plist("<key>CFBundleName</key><string>English</string>"));
    temp.strings("de", Plist("<key>CFBundleName</key><string>Deutsch</string>"));
    ScopedEnv all("LC_ALL", ""), messages("LC_MESSAGES", "");
    {
        ScopedEnv language("LANG", "de_DE.UTF-8");
        PlatformScopedMainBundle bundle(temp.path().c_str());
        EXPECT_EQ(Value(kCFBundleNameKey), "Deutsch");
        EXPECT_EQ(Value(CFSTR("Only Here")), "Info & more");
    }
    for (const char* fallback : {"fr_FR.UTF-8", "C.UTF-8", "POSIX"}) {
        ScopedEnv language("LANG", fallback);
        PlatformScopedMainBundle bundle(temp.path().c_str());
        EXPECT_EQ(Value(kCFBundleNameKey), "English") << fallback;
    }
    ScopedEnv language("LANG", "de_DE.UTF-8"), overriding("LC_ALL", "en_GB.UTF-8");
    PlatformScopedMainBundle bundle(temp.path().c_str());
    EXPECT_EQ(Value(kCFBundleNameKey), "English");
}

TEST(CoreFoundationBundle, FaultyPropertyListsReadAsEmptyOrSkipTheFaultyPart) {
    TempBundle temp;
    for (const std::string& broken :
         {std::string("<plist><dict><key>A</key><string>x</dict>"), std::string("not xml"),
          std::string("<plist><array><string>x</string></array></plist>")}) {
        temp.info(broken);
        PlatformScopedMainBundle bundle(temp.path().c_str());
        EXPECT_EQ(
            CFDictionaryGetValue(CFBundleGetInfoDictionary(CFBundleGetMainBundle()), CFSTR("A")),
            nullptr);
        EXPECT_EQ(CFBundleGetIdentifier(CFBundleGetMainBundle()), nullptr);
    }
    temp.info(Plist("<key>Flag</key><true/><key>List</key><array><string>a</string></array>"
                    "<string>stray</string><key>Lonely</key>"
                    "<key>Nested</key><dict><key>In</key><string>side</string></dict>"
                    "<key>CFBundleIdentifier</key><string>org.example.test</string>"));
    PlatformScopedMainBundle bundle(temp.path().c_str());
    CFDictionaryRef info = CFBundleGetInfoDictionary(CFBundleGetMainBundle());
    for (CFStringRef skipped : {CFSTR("Flag"), CFSTR("List"), CFSTR("Lonely")})
        EXPECT_EQ(CFDictionaryGetValue(info, skipped), nullptr);
    auto nested = CFDictionaryRef(CFDictionaryGetValue(info, CFSTR("Nested")));
    EXPECT_EQ(CFGetTypeID(CFDictionaryGetValue(nested, CFSTR("In"))), CFStringGetTypeID());
    EXPECT_EQ(Value(CFSTR("CFBundleIdentifier")), "org.example.test");
    EXPECT_EQ(Value(CFSTR("Flag")), "(none)");
}

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
