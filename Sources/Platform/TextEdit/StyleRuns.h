// The styles of a text as runs: each run's style holds from its start to the next run's.
#pragma once

#include "Platform/TextEdit.h"

#include <vector>

namespace platform::textedit {

struct StyleRun {
    SInt32 start = 0;
    TextStyle style{};
};

bool SameStyle(const TextStyle& a, const TextStyle& b);
// The style with the parts that mode names taken from change.
TextStyle Modified(TextStyle style, SInt16 mode, const TextStyle& change);

class StyleRuns {
  public:
    explicit StyleRuns(const TextStyle& initial) : runs_{{0, initial}} {}

    // The style of the character at offset; past the end, the last character's.
    const TextStyle& At(SInt32 offset) const;
    // New text of length bytes at offset at, styled by runs whose starts count from it.
    void Insert(SInt32 at, SInt32 length, std::vector<StyleRun> inserted);
    void Erase(SInt32 from, SInt32 to);
    void Apply(SInt32 from, SInt32 to, SInt16 mode, const TextStyle& change);

    struct Span {
        SInt32 start, end;
        const TextStyle* style;
    };
    // The runs' pieces that cover [from, to).
    std::vector<Span> Spans(SInt32 from, SInt32 to) const;

  private:
    // Index of a run that starts at offset, made by splitting the run holding it.
    size_t Split(SInt32 offset);
    // Drops empty runs, joins neighbours of one style, and starts the first run at 0.
    void Tidy();

    std::vector<StyleRun> runs_; // never empty: an empty text keeps the style to insert with
    SInt32 length_ = 0;
};

} // namespace platform::textedit
