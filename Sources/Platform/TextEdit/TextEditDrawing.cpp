// Laying out and drawing a text edit: whole lines only, each line's runs as texts with their
// faces, in the text edit's port.
#include "QuickDraw/Port.h"
#include "QuickDraw/PortScope.h"
#include "TextEdit/LineBreaks.h"
#include "TextEdit/TextEditRecord.h"

#include <algorithm>

namespace platform::textedit {

namespace {

// Division that rounds towards the lower and the higher whole number.
SInt32 FloorDiv(SInt32 a, SInt32 b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
SInt32 CeilDiv(SInt32 a, SInt32 b) {
    return -FloorDiv(-a, b);
}

SInt32 LineTop(const TextEdit& edit, SInt32 line) {
    return edit.rec.destRect.top + line * kFontLineHeight;
}

void DrawLine(const TextEdit& edit, SInt32 line) {
    std::string_view text = edit.Text();
    TextRange shown = LineText(edit, line);
    SInt16 top = SInt16(LineTop(edit, line));
    for (const StyleRuns::Span& span : edit.runs.Spans(shown.start, shown.end)) {
        SInt16 indent =
            TextWidth(text.data(), SInt16(shown.start), SInt16(span.start - shown.start));
        SInt16 left = SInt16(edit.rec.destRect.left + indent);
        SInt16 width = TextWidth(text.data(), SInt16(span.start), SInt16(span.end - span.start));
        Rect box{top, left, SInt16(top + kFontLineHeight), SInt16(left + width)};
        std::string piece(text.substr(size_t(span.start), size_t(span.end - span.start)));
        quickdraw::Record({quickdraw::DrawOp::Kind::Text, box, piece, span.style->tsFace});
    }
}

void DrawLines(const TextEdit& edit, const Rect& area) {
    LineRange lines = LinesWithin(edit, area);
    for (SInt32 line = lines.first; line < lines.end; ++line)
        DrawLine(edit, line);
}

} // namespace

LineRange LinesWithin(const TextEdit& edit, const Rect& area) {
    SInt32 fromTop = area.top - edit.rec.destRect.top;
    SInt32 toBottom = area.bottom - edit.rec.destRect.top;
    SInt32 first = std::clamp<SInt32>(CeilDiv(fromTop, kFontLineHeight), 0, edit.rec.nLines);
    SInt32 end = std::clamp<SInt32>(FloorDiv(toBottom, kFontLineHeight), first, edit.rec.nLines);
    return LineRange{first, end};
}

TextRange LineText(const TextEdit& edit, SInt32 line) {
    std::string_view text = edit.Text();
    size_t next = size_t(line) + 1;
    TextRange range{edit.lineStarts[size_t(line)],
                    next < edit.lineStarts.size() ? edit.lineStarts[next] : edit.rec.teLength};
    while (range.end > range.start &&
           (text[size_t(range.end - 1)] == '\r' || text[size_t(range.end - 1)] == ' '))
        --range.end;
    return range;
}

void TextChanged(TextEdit& edit) {
    TERec& rec = edit.rec;
    edit.lineStarts = BreakLines(edit.Text(), SInt16(rec.destRect.right - rec.destRect.left));
    rec.nLines = SInt16(edit.lineStarts.size());
    Redraw(edit);
}

void Redraw(TextEdit& edit) {
    quickdraw::PortScope scope(edit.rec.inPort);
    EraseRect(&edit.rec.viewRect);
    DrawLines(edit, edit.rec.viewRect);
}

} // namespace platform::textedit

using namespace platform::textedit;

void TEUpdate(const Rect* rUpdate, TEHandle hTE) {
    TextEdit* edit = Find(hTE);
    Rect area;
    if (!edit || !rUpdate || !SectRect(&edit->rec.viewRect, rUpdate, &area)) return;
    platform::quickdraw::PortScope scope(edit->rec.inPort);
    DrawLines(*edit, area);
}

void TEScroll(SInt16 dh, SInt16 dv, TEHandle hTE) {
    TextEdit* edit = Find(hTE);
    if (!edit) return;
    OffsetRect(&edit->rec.destRect, dh, dv);
    Redraw(*edit);
}

SInt32 TEGetHeight(SInt32 endLine, SInt32 startLine, TEHandle hTE) {
    const TextEdit* edit = Find(hTE);
    if (!edit || edit->rec.nLines == 0) return 0;
    SInt32 first = std::clamp<SInt32>(std::min(startLine, endLine), 1, edit->rec.nLines);
    SInt32 last = std::clamp<SInt32>(std::max(startLine, endLine), 1, edit->rec.nLines);
    return (last - first + 1) * kFontLineHeight;
}
