#include "TestSupport/LeakListener.h"

#include <string>

namespace testsupport {

namespace {

void Add(std::string& text, long count, const char* thing, const char* state) {
    if (count <= 0) return;
    if (!text.empty()) text += ", ";
    text += std::to_string(count) + " " + thing + (count == 1 ? " " : "s ") + state;
}

// What after holds beyond before, as "1 window open, 2 forks open"; empty when nothing.
std::string Leftovers(const PlatformLiveCounts& before, const PlatformLiveCounts& after) {
    std::string text;
    Add(text, after.windows - before.windows, "window", "open");
    Add(text, after.forks - before.forks, "fork", "open");
    Add(text, after.lists - before.lists, "list", "alive");
    Add(text, after.textEdits - before.textEdits, "text edit", "alive");
    Add(text, after.objects - before.objects, "Core Foundation object", "alive");
    return text;
}

} // namespace

void LeakListener::OnTestStart(const ::testing::TestInfo&) {
    before_ = PlatformCountLive();
}

void LeakListener::OnTestEnd(const ::testing::TestInfo&) {
    std::string left = Leftovers(before_, PlatformCountLive());
    if (!left.empty()) ADD_FAILURE() << "The test left " << left << ".";
    PlatformResetProcessState();
}

} // namespace testsupport
