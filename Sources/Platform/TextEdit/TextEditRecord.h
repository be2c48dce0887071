// A text edit behind its public record: the style runs, the style waiting for the next
// insertion, and the laid-out lines. Text edits are found from their handles and windows.
#pragma once

#include "Platform/MacWindows.h"
#include "TextEdit/StyleRuns.h"

#include <memory>
#include <optional>
#include <string_view>

namespace platform::textedit {

struct TextEdit {
    TEPtr master = &rec; // the handle points here
    TERec rec{};
    StyleRuns runs;
    std::optional<TextStyle> pending; // set on an empty selection, taken by the next insertion
    std::vector<SInt32> lineStarts;   // one a line

    explicit TextEdit(const TextStyle& initial) : runs(initial) {}
    TextEdit(const TextEdit&) = delete;
    TextEdit& operator=(const TextEdit&) = delete;

    TEHandle Handle() { return &master; }
    std::string_view Text() const { return {*rec.hText, size_t(rec.teLength)}; }
};

TextEdit* Find(TEHandle handle);
TextEdit& Register(std::unique_ptr<TextEdit> edit);
void Forget(TEHandle handle);
// The text edits that draw in a window, in the order they were made.
std::vector<TextEdit*> TextEditsIn(WindowRef window);
// The display's snapshot of text edits, installed with the first one.
void InstallModelView();
// For tests: how many text edits are alive, and disposing of them all.
long Count();
void Reset();

// Lines [first, end) lie wholly within area, vertically.
struct LineRange {
    SInt32 first = 0, end = 0;
};
LineRange LinesWithin(const TextEdit& edit, const Rect& area);
// A line's text, as offsets, without its CR and the spaces that hang at its end.
struct TextRange {
    SInt32 start = 0, end = 0;
};
TextRange LineText(const TextEdit& edit, SInt32 line);

// Lays the text out again and draws the view afresh.
void TextChanged(TextEdit& edit);
void Redraw(TextEdit& edit);

} // namespace platform::textedit
