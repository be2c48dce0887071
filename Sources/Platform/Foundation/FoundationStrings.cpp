#include "Platform/Foundation.h"

#include "CoreFoundation/String.h"

std::string StringByAppendingPathComponent(const std::string& path, const std::string& component) {
    const size_t end = path.find_last_not_of('/');
    const size_t start = component.find_first_not_of('/');
    std::string base = end == std::string::npos ? path.substr(0, 1) : path.substr(0, end + 1);
    std::string tail = start == std::string::npos ? "" : component.substr(start);
    if (base.empty() || tail.empty()) return base + tail;
    return base == "/" ? base + tail : base + "/" + tail;
}

std::optional<std::string> UTF8String(CFTypeRef string) {
    return platform::cf::UTF8Of(string);
}
