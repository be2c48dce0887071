#include "TestSupport/DrawnOperations.h"

#include "QuickDraw/Port.h"

namespace testsupport {

namespace {

platform::quickdraw::DrawOp::Kind KindOf(DrawnKind kind) {
    using Kind = platform::quickdraw::DrawOp::Kind;
    switch (kind) {
    case DrawnKind::Text:
        return Kind::Text;
    case DrawnKind::ListBoxFrame:
        return Kind::ListBoxFrame;
    case DrawnKind::Highlight:
        return Kind::Highlight;
    }
    return Kind::Text;
}

} // namespace

std::vector<Drawn> DrawnOf(CGrafPtr port, DrawnKind kind) {
    std::vector<Drawn> drawn;
    for (const auto& op : port->drawn)
        if (op.kind == KindOf(kind)) drawn.push_back(Drawn{op.rect, op.text});
    return drawn;
}

void ForgetDrawn(CGrafPtr port) {
    port->drawn.clear();
}

} // namespace testsupport
