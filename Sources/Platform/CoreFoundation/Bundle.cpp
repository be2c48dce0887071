// Bundles: a folder with Contents/Info.plist and localized Contents/Resources/<lang>.lproj.
#include "CoreFoundation/Dictionary.h"
#include "CoreFoundation/PropertyList.h"
#include "CoreFoundation/String.h"

#include "Platform/PlatformTesting.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

namespace fs = std::filesystem;

namespace platform::cf {

namespace {

// The language of the user's messages: the first two letters of the first locale variable set,
// "en" when none names a language.
std::string PreferredLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        if (!std::isalpha(UInt8(value[0])) || !std::isalpha(UInt8(value[1]))) break;
        if (std::strcmp(value, "POSIX") == 0) break;
        return {char(std::tolower(UInt8(value[0]))), char(std::tolower(UInt8(value[1])))};
    }
    return "en";
}

CFDictionaryRef ReadLocalInfoDictionary(const fs::path& bundle) {
    const fs::path resources = bundle / "Contents" / "Resources";
    for (const std::string& language : {PreferredLanguage(), std::string("en")}) {
        fs::path file = resources / (language + ".lproj") / "InfoPlist.strings";
        std::error_code error;
        if (fs::exists(file, error)) return ReadPropertyListDictionary(file);
    }
    return ToRef<CFDictionaryRef>(new Dictionary);
}

class Bundle : public Object {
  public:
    static constexpr CFTypeID kTypeID = kBundleTypeID;
    // Both dictionaries are read once, when the bundle is made.
    explicit Bundle(const fs::path& path)
        : Object(kTypeID), path_(path),
          info_(ReadPropertyListDictionary(path / "Contents" / "Info.plist")),
          localInfo_(ReadLocalInfoDictionary(path)) {}
    ~Bundle() override {
        CFRelease(info_);
        CFRelease(localInfo_);
    }
    CFDictionaryRef info() const { return info_; }
    CFDictionaryRef localInfo() const { return localInfo_; }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
    CFDictionaryRef info_;
    CFDictionaryRef localInfo_;
};

// <X>.app when the executable lies in <X>.app/Contents/MacOS, else the executable's folder.
fs::path ExecutableBundlePath() {
    std::error_code error;
    fs::path folder = fs::read_symlink("/proc/self/exe", error).parent_path();
    fs::path contents = folder.parent_path();
    fs::path bundle = contents.parent_path();
    if (folder.filename() == "MacOS" && contents.filename() == "Contents" &&
        bundle.extension() == ".app")
        return bundle;
    return folder;
}

class MainBundle {
  public:
    // Never destroyed, so every bundle made stays reachable until the process ends.
    static MainBundle& shared() {
        static auto* instance = new MainBundle;
        return *instance;
    }
    CFBundleRef get() {
        std::lock_guard<std::mutex> guard(lock_);
        if (!current_) use(ExecutableBundlePath());
        return ToRef<CFBundleRef>(current_);
    }
    void set(const char* path) {
        std::lock_guard<std::mutex> guard(lock_);
        if (path)
            use(path);
        else
            current_ = nullptr;
    }

  private:
    // Callers may still hold a bundle the tests have replaced, so none is ever freed.
    void use(const fs::path& path) {
        LastingScope lasting;
        current_ = made_.emplace_back(std::make_unique<Bundle>(path)).get();
        current_->makeImmortal();
    }
    std::mutex lock_;
    std::vector<std::unique_ptr<Bundle>> made_;
    Bundle* current_ = nullptr;
};

} // namespace

} // namespace platform::cf

using namespace platform::cf;

void PlatformSetMainBundlePath(const char* path) {
    MainBundle::shared().set(path);
}

CFBundleRef CFBundleGetMainBundle() {
    return MainBundle::shared().get();
}

CFDictionaryRef CFBundleGetInfoDictionary(CFBundleRef bundle) {
    const Bundle* object = As<Bundle>(bundle);
    return object ? object->info() : nullptr;
}

CFDictionaryRef CFBundleGetLocalInfoDictionary(CFBundleRef bundle) {
    const Bundle* object = As<Bundle>(bundle);
    return object ? object->localInfo() : nullptr;
}

CFTypeRef CFBundleGetValueForInfoDictionaryKey(CFBundleRef bundle, CFStringRef key) {
    const Bundle* object = As<Bundle>(bundle);
    if (!object) return nullptr;
    if (CFTypeRef localized = CFDictionaryGetValue(object->localInfo(), key)) return localized;
    return CFDictionaryGetValue(object->info(), key);
}

CFURLRef CFBundleCopyBundleURL(CFBundleRef bundle) {
    const Bundle* object = As<Bundle>(bundle);
    if (!object) return nullptr;
    CFStringRef path = NewStringFromUTF8(object->path().string());
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, true);
    CFRelease(path);
    return url;
}

CFURLRef CFBundleCopyAuxiliaryExecutableURL(CFBundleRef bundle, CFStringRef executableName) {
    const Bundle* object = As<Bundle>(bundle);
    const std::optional<std::string> name = UTF8Of(executableName);
    if (!object || !name || name->empty()) return nullptr;
    CFStringRef path = NewStringFromUTF8((object->path() / "Contents" / "MacOS" / *name).string());
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, false);
    CFRelease(path);
    return url;
}

CFStringRef CFBundleGetIdentifier(CFBundleRef bundle) {
    CFTypeRef identifier =
        CFDictionaryGetValue(CFBundleGetInfoDictionary(bundle), kCFBundleIdentifierKey);
    return As<String>(identifier) ? static_cast<CFStringRef>(identifier) : nullptr;
}
