#include "Display/ModelPrinter.h"

#include "Display/ModelView.h"

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

// Where each text lies in its window.
void PrintDrawnTexts(std::ostream& out, const WindowSnapshot& window) {
    for (const DrawnShape& shape : window.drawn)
        if (shape.kind == DrawnShape::Kind::Text)
            out << "  drawn \"" << shape.text << "\" at " << shape.rect.left - window.content.left
                << "," << shape.rect.top - window.content.top << "\n";
}

void PrintWindow(std::ostream& out, const WindowSnapshot& window, bool front,
                 const PrintOptions& options) {
    const Rect& content = window.content;
    out << "window \"" << window.title << "\" " << KindName(window.kind) << (front ? " front" : "")
        << (window.hasCloseBox ? " closable" : "") << " at " << content.left << "," << content.top
        << " size " << (content.right - content.left) << "x" << (content.bottom - content.top)
        << "\n";
    PrintDialog(out, window, options.detail);
    PrintLists(out, window, front && options.allRows);
    PrintTextEdits(out, window);
    PrintDrawnTexts(out, window);
}

} // namespace

void PrintModel(std::ostream& out, unsigned long ticks, const PrintOptions& options) {
    const ModelSnapshot snapshot = TakeSnapshot();
    PrintHeader(out, "screen", options.label, ticks);
    PrintMenuBar(out, snapshot.menuBar);
    bool front = true;
    for (const WindowSnapshot& window : snapshot.windows) {
        if (!window.visible) continue;
        PrintWindow(out, window, front, options);
        front = false;
    }
    out << "---\n";
    out.flush();
}

void PrintHeader(std::ostream& out, const char* what, const std::string& label,
                 unsigned long ticks) {
    out << "--- " << what << (label.empty() ? "" : " " + Quoted(label)) << " at tick " << ticks
        << " ---\n";
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c == '\r' ? ' ' : c;
    }
    return quoted + "\"";
}

} // namespace platform::display
