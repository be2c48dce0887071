// File URLs: a POSIX path, kept without a trailing "/" except for the root. Whether the path
// names a folder matters to none of the calls offered, so it is not recorded.
#include "CoreFoundation/Object.h"
#include "CoreFoundation/String.h"

#include <algorithm>

namespace platform::cf {

namespace {

class URL : public Object {
  public:
    static constexpr CFTypeID kTypeID = kURLTypeID;
    explicit URL(std::string path) : Object(kTypeID), path_(std::move(path)) {}
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

CFURLRef NewURL(std::string path) {
    return ToRef<CFURLRef>(new URL(WithoutTrailingSlashes(std::move(path))));
}

} // namespace

} // namespace platform::cf

using namespace platform::cf;

CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef, CFStringRef filePath,
                                       CFURLPathStyle pathStyle, Boolean) {
    auto path = UTF8Of(filePath);
    if (pathStyle != kCFURLPOSIXPathStyle || !path || path->empty()) return nullptr;
    return NewURL(*path);
}

CFURLRef CFURLCreateCopyDeletingLastPathComponent(CFAllocatorRef, CFURLRef url) {
    const URL* object = As<URL>(url);
    if (!object) return nullptr;
    const std::string& path = object->path();
    const size_t slash = path.rfind('/');
    return NewURL(slash == std::string::npos ? "." : path.substr(0, std::max<size_t>(slash, 1)));
}

CFStringRef CFURLCopyLastPathComponent(CFURLRef url) {
    const URL* object = As<URL>(url);
    if (!object) return nullptr;
    const std::string& path = object->path();
    return NewStringFromUTF8(path == "/" ? path : path.substr(path.rfind('/') + 1));
}

Boolean CFURLGetFSRef(CFURLRef url, FSRef* fsRef) {
    const URL* object = As<URL>(url);
    if (!object || !fsRef) return false;
    return FSPathMakeRef(reinterpret_cast<const UInt8*>(object->path().c_str()), fsRef, nullptr) ==
           noErr;
}

Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean, UInt8* buffer, CFIndex maxBufLen) {
    const URL* object = As<URL>(url);
    if (!object || !buffer || CFIndex(object->path().size()) >= maxBufLen) return false;
    std::copy_n(object->path().c_str(), object->path().size() + 1, buffer);
    return true;
}
