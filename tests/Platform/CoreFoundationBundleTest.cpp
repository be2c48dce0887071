#include "Platform/CoreFoundation.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using testsupport::ScopedEnv;
using testsupport::TempFolder;

namespace {

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
        EXPECT_EQ(CFDictionaryGetCount(CFBundleGetInfoDictionary(CFBundleGetMainBundle())), 0);
        EXPECT_EQ(CFBundleGetIdentifier(CFBundleGetMainBundle()), nullptr);
    }
    temp.info(Plist("<key>Flag</key><true/><key>List</key><array><string>a</string></array>"
                    "<string>stray</string><key>Lonely</key>"
                    "<key>Nested</key><dict><key>In</key><string>side</string></dict>"
                    "<key>CFBundleIdentifier</key><string>org.example.test</string>"));
    PlatformScopedMainBundle bundle(temp.path().c_str());
    CFDictionaryRef info = CFBundleGetInfoDictionary(CFBundleGetMainBundle());
    EXPECT_EQ(CFDictionaryGetCount(info), 2);
    auto nested = CFDictionaryRef(CFDictionaryGetValue(info, CFSTR("Nested")));
    EXPECT_EQ(CFGetTypeID(CFDictionaryGetValue(nested, CFSTR("In"))), CFStringGetTypeID());
    EXPECT_EQ(Value(CFSTR("CFBundleIdentifier")), "org.example.test");
    EXPECT_EQ(Value(CFSTR("Flag")), "(none)");
}
