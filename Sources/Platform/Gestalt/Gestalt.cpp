// The system version is the running kernel's release, "major.minor.patch-...".
#include "Platform/Gestalt.h"

#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"

#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <sys/utsname.h>

namespace {

using Version = std::array<SInt32, 3>;

std::optional<Version> overriddenVersion;
std::map<OSType, SInt32> overriddenAnswers;

// Missing numbers read as 0.
Version KernelVersion() {
    Version version{0, 0, 0};
    utsname names{};
    if (uname(&names) != 0) return version;
    const char* text = names.release;
    for (SInt32& number : version) {
        char* end = nullptr;
        number = SInt32(std::strtol(text, &end, 10));
        if (end == text || *end != '.') break;
        text = end + 1;
    }
    return version;
}

Version SystemVersion() {
    return overriddenVersion ? *overriddenVersion : KernelVersion();
}

std::optional<SInt32> Answer(OSType selector) {
    if (auto overridden = overriddenAnswers.find(selector); overridden != overriddenAnswers.end())
        return overridden->second;
    switch (selector) {
    case gestaltSystemVersionMajor:
        return SystemVersion()[0];
    case gestaltSystemVersionMinor:
        return SystemVersion()[1];
    case gestaltSystemVersionBugFix:
        return SystemVersion()[2];
    case gestaltAppearanceAttr:
        return 1 << gestaltAppearanceExists;
    case gestaltDITLExtAttr:
        return 1 << gestaltDITLExtPresent;
    default:
        return std::nullopt;
    }
}

} // namespace

void PlatformSetSystemVersion(SInt32 major, SInt32 minor, SInt32 patch) {
    overriddenVersion = Version{major, minor, patch};
}

void PlatformClearSystemVersion() {
    overriddenVersion.reset();
}

void PlatformSetGestaltAnswer(OSType selector, SInt32 response) {
    overriddenAnswers[selector] = response;
}

void PlatformClearGestaltAnswers() {
    overriddenAnswers.clear();
}

OSErr Gestalt(OSType selector, SInt32* response) {
    if (!response) return paramErr;
    std::optional<SInt32> answer = Answer(selector);
    if (!answer) return gestaltUndefSelectorErr;
    *response = *answer;
    return noErr;
}
