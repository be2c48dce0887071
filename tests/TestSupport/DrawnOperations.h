// Test support: what the QuickDraw calls recorded in a port for the display to render.
#pragma once

#include "Platform/Quickdraw.h"

#include <string>
#include <vector>

namespace testsupport {

// The kinds of drawing the tests look for.
enum class DrawnKind { Text, ListBoxFrame, Highlight };

struct Drawn {
    Rect rect;        // local coordinates; for text, the box the text covers
    std::string text; // Text only
};

// What has been drawn in the port of one kind, first drawn first.
std::vector<Drawn> DrawnOf(CGrafPtr port, DrawnKind kind);
// Forgets what has been drawn in the port, so that what comes next stands alone.
void ForgetDrawn(CGrafPtr port);

} // namespace testsupport
