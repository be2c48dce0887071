// Shows the leak listener at work, outside the suite: the test opens a window and returns, so
// the listener must fail it.
#include "Windows/Window.h"

#include <gtest/gtest.h>

TEST(LeakListenerProbe, LeavesAWindowOpen) {
    platform::windows::CreateWindow(Rect{40, 40, 200, 360}, "Left open", true, true, 0, nullptr);
}
