// Application start-up, the main bundle and the console log.
#include "Platform/Foundation.h"

#include "Platform/PlatformTesting.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {

std::atomic<unsigned long> applicationLoads{0};

std::string Formatted(const char* format, va_list arguments) {
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length < 0) return "";
    std::string text(size_t(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    return text;
}

} // namespace

bool NSApplicationLoad() {
    ++applicationLoads;
    return true;
}

unsigned long PlatformApplicationLoadCount() {
    return applicationLoads;
}

void NSLog(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::string line = Formatted(format, arguments);
    va_end(arguments);
    if (line.empty() || line.back() != '\n') line += '\n';
    std::fputs(line.c_str(), stderr);
}

NSBundle NSBundle::mainBundle() {
    return NSBundle(CFBundleGetMainBundle());
}

std::optional<std::string> NSBundle::bundleIdentifier() const {
    return UTF8String(CFBundleGetIdentifier(bundle_));
}
