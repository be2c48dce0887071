// Test support: fails every test that leaves windows, forks, lists, text edits or Core
// Foundation objects alive beyond what it found, then puts the platform back as a freshly
// started process has it, so that the next test starts clean.
#pragma once

#include "Platform/PlatformTesting.h"

#include <gtest/gtest.h>

namespace testsupport {

class LeakListener : public ::testing::EmptyTestEventListener {
  public:
    void OnTestStart(const ::testing::TestInfo&) override;
    void OnTestEnd(const ::testing::TestInfo&) override;

  private:
    PlatformLiveCounts before_;
};

} // namespace testsupport
