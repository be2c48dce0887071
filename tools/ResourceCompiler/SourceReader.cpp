#include "SourceReader.h"

#include <cctype>
#include <sstream>

namespace rc {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class LineScanner {
  public:
    LineScanner(const std::string& line, const Location& where) : line_(line), where_(where) {}

    std::vector<Token> tokens() {
        std::vector<Token> result;
        while (skipSpaces()) {
            if (startsComment()) break;
            result.push_back(token());
        }
        return result;
    }

  private:
    bool skipSpaces() {
        while (at_ < line_.size() && IsSpace(line_[at_]))
            ++at_;
        return at_ < line_.size();
    }

    // "#" followed by a blank is a comment; "#FF0000" is a colour.
    bool startsComment() const {
        return line_[at_] == '#' && (at_ + 1 == line_.size() || IsSpace(line_[at_ + 1]));
    }

    Token token() {
        if (line_[at_] == '"') return {TokenKind::String, quoted('"')};
        if (line_[at_] == '\'') return {TokenKind::Code, quoted('\'')};
        size_t start = at_;
        while (at_ < line_.size() && !IsSpace(line_[at_])) {
            if (line_[at_] == '"' || line_[at_] == '\'')
                throw CompileError(where_, "a quote inside the word '" +
                                               line_.substr(start, at_ - start + 1) + "'");
            ++at_;
        }
        return {TokenKind::Word, line_.substr(start, at_ - start)};
    }

    std::string quoted(char quote) {
        std::string text;
        for (++at_; at_ < line_.size(); ++at_) {
            char c = line_[at_];
            if (c == quote) {
                ++at_;
                return text;
            }
            text += c == '\\' ? escape() : c;
        }
        throw CompileError(where_, std::string("unterminated ") +
                                       (quote == '"' ? "string" : "four-character code"));
    }

    char escape() {
        if (++at_ == line_.size()) throw CompileError(where_, "a backslash ends the line");
        switch (line_[at_]) {
        case '\\':
            return '\\';
        case '"':
            return '"';
        case '\'':
            return '\'';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'x':
            return hexEscape();
        }
        throw CompileError(where_, std::string("unknown escape \\") + line_[at_]);
    }

    char hexEscape() {
        int high = at_ + 1 < line_.size() ? HexDigit(line_[at_ + 1]) : -1;
        int low = at_ + 2 < line_.size() ? HexDigit(line_[at_ + 2]) : -1;
        if (high < 0 || low < 0) throw CompileError(where_, "\\x needs two hexadecimal digits");
        at_ += 2;
        return char(high * 16 + low);
    }

    const std::string& line_;
    const Location& where_;
    size_t at_ = 0;
};

std::string TrimRight(std::string text) {
    while (!text.empty() && (IsSpace(text.back()) || text.back() == '\r'))
        text.pop_back();
    return text;
}

// "| text": everything after the bar and one blank belongs to the text.
std::optional<std::string> TextLine(const std::string& line) {
    size_t at = 0;
    while (at < line.size() && IsSpace(line[at]))
        ++at;
    if (at == line.size() || line[at] != '|') return std::nullopt;
    ++at;
    if (at < line.size() && line[at] == ' ') ++at;
    return line.substr(at);
}

std::vector<SourceLine> ReadLines(const std::string& fileName, const std::string& content) {
    std::vector<SourceLine> lines;
    std::istringstream in(content);
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        std::string trimmed = TrimRight(raw);
        SourceLine line{{fileName, number}, {}, TextLine(trimmed)};
        if (!line.text) line.tokens = Tokenize(trimmed, line.where);
        if (line.text || !line.tokens.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

bool IsEnd(const SourceLine& line) {
    return line.tokens.size() == 1 && line.tokens[0].kind == TokenKind::Word &&
           line.tokens[0].text == "end";
}

} // namespace

std::vector<Token> Tokenize(const std::string& line, const Location& where) {
    return LineScanner(line, where).tokens();
}

std::vector<Block> ReadBlocks(const std::string& fileName, const std::string& content) {
    std::vector<Block> blocks;
    Block* open = nullptr;
    for (SourceLine& line : ReadLines(fileName, content)) {
        if (open) {
            if (IsEnd(line))
                open = nullptr;
            else
                open->body.push_back(std::move(line));
            continue;
        }
        if (line.text) throw CompileError(line.where, "text outside a resource block");
        if (IsEnd(line)) throw CompileError(line.where, "'end' without a resource block");
        const Token& first = line.tokens.front();
        if (first.kind != TokenKind::Word)
            throw CompileError(line.where, "expected a resource kind such as 'dialog'");
        blocks.push_back(
            {line.where, first.text, {line.tokens.begin() + 1, line.tokens.end()}, {}});
        open = &blocks.back();
    }
    if (open)
        throw CompileError(open->where, "the '" + open->keyword + "' block has no 'end' line");
    return blocks;
}

} // namespace rc
