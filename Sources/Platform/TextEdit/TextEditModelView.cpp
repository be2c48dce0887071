// The text edits in the display's snapshot of their window: their size and scroll position, and
// the lines the view shows, run by run of style.
#include "Display/ModelView.h"
#include "QuickDraw/Port.h"
#include "TextEdit/TextEditRecord.h"

namespace platform::textedit {

namespace {

std::vector<display::StyledRun> LineOf(const TextEdit& edit, SInt32 line) {
    std::string_view text = edit.Text();
    TextRange shown = LineText(edit, line);
    std::vector<display::StyledRun> runs;
    for (const StyleRuns::Span& span : edit.runs.Spans(shown.start, shown.end))
        runs.push_back(display::StyledRun{
            std::string(text.substr(size_t(span.start), size_t(span.end - span.start))),
            span.style->tsFace});
    return runs;
}

void AddTextEdits(display::WindowSnapshot& window) {
    for (const TextEdit* edit : TextEditsIn(window.id)) {
        const TERec& rec = edit->rec;
        display::TextEditSnapshot& shot = window.textEdits.emplace_back();
        if (rec.inPort) shot.view = quickdraw::GlobalOf(*rec.inPort, rec.viewRect);
        shot.lines = rec.nLines;
        shot.height = rec.nLines * kFontLineHeight;
        shot.scrolled = rec.viewRect.top - rec.destRect.top;
        LineRange lines = LinesWithin(*edit, rec.viewRect);
        for (SInt32 line = lines.first; line < lines.end; ++line)
            shot.shownLines.push_back(LineOf(*edit, line));
    }
}

} // namespace

void InstallModelView() {
    display::TheModelView().textEdits = AddTextEdits;
}

} // namespace platform::textedit
