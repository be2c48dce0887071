#include "Display/ModelPrinter.h"

#include "Controls/Control.h"
#include "Display/ModelView.h"
#include "Lists/ListDescription.h"
#include "TextEdit/TextEditDescription.h"
#include "Windows/Window.h"

namespace platform::display {

namespace {

const char* KindName(SInt16 kind) {
    switch (kind) {
    case kDialogWindowKind:
        return "dialog";
    case kApplicationWindowKind:
        return "application window";
    default:
        return "window";
    }
}

void PrintDrawnTexts(std::ostream& out, WindowRef window) {
    for (const auto& op : window->port.drawn)
        if (op.kind == quickdraw::DrawOp::Kind::Text)
            out << "  drawn \"" << op.text << "\" at " << op.rect.left << "," << op.rect.top
                << "\n";
}

void PrintWindow(std::ostream& out, WindowRef window, bool front, const PrintOptions& options) {
    Rect content = windows::ContentBounds(window);
    out << "window \"" << window->title << "\" " << KindName(window->kind)
        << (front ? " front" : "") << (window->hasCloseBox ? " closable" : "") << " at "
        << content.left << "," << content.top << " size " << (content.right - content.left) << "x"
        << (content.bottom - content.top) << "\n";
    if (TheModelView().describeWindow) TheModelView().describeWindow(out, window, options.detail);
    lists::DescribeLists(out, window, front && options.allRows);
    textedit::DescribeTextEdits(out, window);
    PrintDrawnTexts(out, window);
}

} // namespace

void PrintModel(std::ostream& out, unsigned long ticks, const PrintOptions& options) {
    PrintHeader(out, "screen", options.label, ticks);
    if (TheModelView().describeMenuBar) TheModelView().describeMenuBar(out);
    bool front = true;
    for (WindowRef window : windows::WindowList()) {
        if (!window->visible) continue;
        PrintWindow(out, window, front, options);
        front = false;
    }
    out << "---\n";
    out.flush();
}

void PrintHeader(std::ostream& out, const char* what, const std::string& label,
                 unsigned long ticks) {
    out << "--- " << what << (label.empty() ? "" : " " + controls::Quoted(label)) << " at tick "
        << ticks << " ---\n";
}

} // namespace platform::display
