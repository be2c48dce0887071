// Shows the leak listener at work, outside the suite: the test makes a text edit and returns, so
// the listener must fail it.
#include "Platform/TextEdit.h"

#include <gtest/gtest.h>

TEST(LeakListenerProbe, LeavesATextEditAlive) {
    const Rect box{40, 40, 200, 360};
    TEStyleNew(&box, &box);
}
