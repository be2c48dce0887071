#include "TextEdit/StyleRuns.h"

#include <algorithm>

namespace platform::textedit {

bool SameStyle(const TextStyle& a, const TextStyle& b) {
    return a.tsFont == b.tsFont && a.tsFace == b.tsFace && a.tsSize == b.tsSize &&
           a.tsColor.red == b.tsColor.red && a.tsColor.green == b.tsColor.green &&
           a.tsColor.blue == b.tsColor.blue;
}

TextStyle Modified(TextStyle style, SInt16 mode, const TextStyle& change) {
    if (mode & doFont) style.tsFont = change.tsFont;
    if (mode & doFace) style.tsFace = change.tsFace;
    if (mode & doSize) style.tsSize = change.tsSize;
    if (mode & doColor) style.tsColor = change.tsColor;
    if (mode & addSize) style.tsSize = SInt16(style.tsSize + change.tsSize);
    return style;
}

const TextStyle& StyleRuns::At(SInt32 offset) const {
    auto after = std::upper_bound(runs_.begin(), runs_.end(), offset,
                                  [](SInt32 at, const StyleRun& run) { return at < run.start; });
    return after == runs_.begin() ? runs_.front().style : std::prev(after)->style;
}

size_t StyleRuns::Split(SInt32 offset) {
    auto after = std::upper_bound(runs_.begin(), runs_.end(), offset,
                                  [](SInt32 at, const StyleRun& run) { return at < run.start; });
    if (offset >= length_) return runs_.size();
    auto holder = std::prev(after);
    if (holder->start == offset) return size_t(holder - runs_.begin());
    auto made = runs_.insert(after, StyleRun{offset, holder->style}); // may move the runs
    return size_t(made - runs_.begin());
}

void StyleRuns::Insert(SInt32 at, SInt32 length, std::vector<StyleRun> inserted) {
    if (length <= 0 || inserted.empty()) return;
    std::erase_if(inserted, [&](const StyleRun& run) { return run.start >= length; });
    inserted.front().start = 0;
    size_t first = Split(at);
    for (size_t i = first; i < runs_.size(); ++i)
        runs_[i].start += length;
    for (StyleRun& run : inserted)
        run.start += at;
    runs_.insert(runs_.begin() + ptrdiff_t(first), inserted.begin(), inserted.end());
    length_ += length;
    Tidy();
}

void StyleRuns::Erase(SInt32 from, SInt32 to) {
    if (from >= to) return;
    size_t first = Split(from), last = Split(to);
    for (size_t i = last; i < runs_.size(); ++i)
        runs_[i].start -= to - from;
    // When all the text goes, its first style stays for the next insertion.
    bool all = last - first == runs_.size();
    runs_.erase(runs_.begin() + ptrdiff_t(first + (all ? 1 : 0)), runs_.begin() + ptrdiff_t(last));
    length_ -= to - from;
    Tidy();
}

void StyleRuns::Apply(SInt32 from, SInt32 to, SInt16 mode, const TextStyle& change) {
    if (from >= to) return;
    size_t first = Split(from), last = Split(to);
    for (size_t i = first; i < last; ++i)
        runs_[i].style = Modified(runs_[i].style, mode, change);
    Tidy();
}

std::vector<StyleRuns::Span> StyleRuns::Spans(SInt32 from, SInt32 to) const {
    std::vector<Span> spans;
    for (size_t i = 0; i < runs_.size(); ++i) {
        SInt32 end = i + 1 < runs_.size() ? runs_[i + 1].start : length_;
        SInt32 start = std::max(from, runs_[i].start);
        end = std::min(to, end);
        if (start < end) spans.push_back(Span{start, end, &runs_[i].style});
    }
    return spans;
}

void StyleRuns::Tidy() {
    std::vector<StyleRun> kept;
    for (size_t i = 0; i < runs_.size(); ++i) {
        const StyleRun& run = runs_[i];
        bool empty = (i + 1 < runs_.size() && runs_[i + 1].start <= run.start) ||
                     (length_ > 0 && run.start >= length_);
        if (empty || (!kept.empty() && SameStyle(kept.back().style, run.style))) continue;
        kept.push_back(run);
    }
    if (kept.empty()) kept.push_back(runs_.back());
    kept.front().start = 0;
    runs_ = std::move(kept);
}

} // namespace platform::textedit
