#include "DeviceURI.h"

namespace {

constexpr std::string_view kScheme = "korvane:";

bool IsSchemeCharacter(char c, bool first) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (first) return letter;
    return letter || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// The scheme of uri, or empty when it has none or nothing after it.
std::string_view SchemeOf(std::string_view uri) {
    const size_t colon = uri.find(':');
    if (colon == 0 || colon == std::string_view::npos || colon + 1 == uri.size()) return {};
    for (size_t i = 0; i < colon; ++i)
        if (!IsSchemeCharacter(uri[i], i == 0)) return {};
    return uri.substr(0, colon);
}

// Takes a leading "cancel:", "hold:" or "print:" off rest.
UnlistedPolicy TakePolicy(std::string_view* rest) {
    static constexpr struct {
        std::string_view prefix;
        UnlistedPolicy policy;
    } kPolicies[] = {{"cancel:", UnlistedPolicy::Cancel},
                     {"hold:", UnlistedPolicy::Hold},
                     {"print:", UnlistedPolicy::Print}};
    for (const auto& candidate : kPolicies)
        if (rest->substr(0, candidate.prefix.size()) == candidate.prefix) {
            rest->remove_prefix(candidate.prefix.size());
            return candidate.policy;
        }
    return UnlistedPolicy::Cancel;
}

} // namespace

bool ParseDeviceURI(std::string_view uri, WrappedDevice* device) {
    if (uri.substr(0, kScheme.size()) != kScheme) return false;
    std::string_view rest = uri.substr(kScheme.size());
    device->unlisted = TakePolicy(&rest);
    const std::string_view scheme = SchemeOf(rest);
    // A URI of this backend's own would run it again, without end.
    if (scheme.empty() || scheme == kScheme.substr(0, kScheme.size() - 1)) return false;
    device->innerURI = rest;
    device->innerScheme = scheme;
    return true;
}
