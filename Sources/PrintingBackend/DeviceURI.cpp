#include "DeviceURI.h"

#include <algorithm>
#include <iterator>

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

bool ParseDeviceURI(std::string_view uri, WrappedDevice* device, std::string* why) {
    std::string_view rest = uri.substr(std::min(uri.size(), kScheme.size()));
    device->unlisted = TakePolicy(&rest);
    device->innerScheme = SchemeOf(rest);
    device->innerURI = rest;
    if (uri.substr(0, kScheme.size()) != kScheme || device->innerScheme.empty()) {
        *why = "names no printer behind it; give it as korvane:ipp://printer/ipp/print";
        return false;
    }
    // Only the IPP backends send job attributes; this one's own scheme would run it without end.
    static constexpr std::string_view kCarriers[] = {"ipp", "ipps", "http", "https"};
    if (std::find(std::begin(kCarriers), std::end(kCarriers), device->innerScheme) ==
        std::end(kCarriers)) {
        *why = "wraps a " + device->innerScheme +
               " printer, which cannot carry an account ID; wrap the printer's ipp or ipps URI";
        return false;
    }
    return true;
}
