// What a queue's device URI asks of the backend: korvane:[cancel:|hold:|print:]PRINTER-URI, the
// printer's own URI behind the policy for users the list does not bill.
#pragma once

#include <string>
#include <string_view>

enum class UnlistedPolicy { Cancel, Hold, Print };

struct WrappedDevice {
    UnlistedPolicy unlisted;
    std::string innerURI;    // the printer's own URI, which its own backend is given
    std::string innerScheme; // that backend's name
};

// False, with why in words, when the URI is not this backend's or names no printer behind it
// that can carry an account ID: only the IPP backends (ipp, ipps, http, https) send one.
bool ParseDeviceURI(std::string_view uri, WrappedDevice* device, std::string* why);
