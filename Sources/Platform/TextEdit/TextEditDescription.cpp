#include "TextEdit/TextEditDescription.h"

#include "TextEdit/TextEditRecord.h"

namespace platform::textedit {

namespace {

std::string Marked(std::string_view piece, Style face) {
    std::string marks = std::string(face & bold ? "*" : "") + (face & underline ? "_" : "");
    return marks + std::string(piece) + std::string(marks.rbegin(), marks.rend());
}

void DescribeLine(std::ostream& out, const TextEdit& edit, SInt32 line) {
    std::string_view text = edit.Text();
    TextRange shown = LineText(edit, line);
    out << "    |" << (shown.start == shown.end ? "" : " ");
    for (const StyleRuns::Span& span : edit.runs.Spans(shown.start, shown.end))
        out << Marked(text.substr(size_t(span.start), size_t(span.end - span.start)),
                      span.style->tsFace);
    out << "\n";
}

} // namespace

void DescribeTextEdits(std::ostream& out, WindowRef window) {
    for (const TextEdit* edit : TextEditsIn(window)) {
        const TERec& rec = edit->rec;
        out << "  text " << rec.nLines << (rec.nLines == 1 ? " line, " : " lines, ")
            << rec.nLines * kFontLineHeight << " pixels high, scrolled "
            << rec.viewRect.top - rec.destRect.top << "\n";
        LineRange lines = LinesWithin(*edit, rec.viewRect);
        for (SInt32 line = lines.first; line < lines.end; ++line)
            DescribeLine(out, *edit, line);
    }
}

} // namespace platform::textedit
