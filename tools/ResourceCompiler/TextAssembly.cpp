#include "TextAssembly.h"

namespace rc {

namespace {

constexpr char kLineBreak = '\r';
constexpr std::uint8_t kBold = 1;
constexpr std::uint8_t kUnderline = 4;

class Assembler {
  public:
    explicit Assembler(bool markup) : markup_(markup) {
        if (markup_) result_.runs.push_back({0, 0});
    }

    void add(const TextSourceLine& line) {
        if (line.text.empty()) {
            pendingBreaks_ = result_.text.empty() ? 0 : 2;
            return;
        }
        if (line.text.starts_with("- ") && pendingBreaks_ < 0) pendingBreaks_ = 1;
        separate();
        for (size_t at = 0; at < line.text.size(); ++at)
            character(line, at);
    }

    AssembledText finish() {
        if (face_ & kBold) throw CompileError(boldOpened_, "a *bold* span is not closed");
        if (face_ & kUnderline)
            throw CompileError(underlineOpened_, "an _underlined_ span is not closed");
        // A span closed at the very end leaves a run with no text after it.
        auto& runs = result_.runs;
        while (runs.size() > 1 && runs.back().start >= result_.text.size())
            runs.pop_back();
        return std::move(result_);
    }

  private:
    void separate() {
        if (pendingBreaks_ < 0) append(' ');
        for (; pendingBreaks_ > 0; --pendingBreaks_)
            append(kLineBreak);
        pendingBreaks_ = -1; // the next line of this paragraph joins with a blank
    }

    void character(const TextSourceLine& line, size_t& at) {
        char c = line.text[at];
        if (!markup_) return append(c);
        if (c == '\\' && at + 1 < line.text.size()) return append(line.text[++at]);
        if (c == '*') return toggle(kBold, boldOpened_, line.where);
        if (c == '_') return toggle(kUnderline, underlineOpened_, line.where);
        append(c);
    }

    void toggle(std::uint8_t bit, Location& opened, const Location& where) {
        face_ ^= bit;
        if (face_ & bit) opened = where;
        auto offset = std::uint32_t(result_.text.size());
        if (result_.runs.back().start == offset)
            result_.runs.back().face = face_;
        else
            result_.runs.push_back({offset, face_});
        if (result_.runs.size() > 1 && result_.runs[result_.runs.size() - 2].face == face_)
            result_.runs.pop_back();
    }

    void append(char c) { result_.text += c; }

    bool markup_;
    AssembledText result_;
    std::uint8_t face_ = 0;
    int pendingBreaks_ = 0; // line breaks before the next text; -1: a blank
    Location boldOpened_, underlineOpened_;
};

} // namespace

AssembledText AssembleText(const std::vector<TextSourceLine>& lines, bool markup) {
    Assembler assembler(markup);
    for (const TextSourceLine& line : lines)
        assembler.add(line);
    return assembler.finish();
}

} // namespace rc
