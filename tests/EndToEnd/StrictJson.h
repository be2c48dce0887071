// A strict JSON reader for the tests (RFC 8259): one value, nothing after it, strings of valid
// UTF-8 with only the escapes JSON has, no control characters raw, numbers without leading zeros.
#pragma once

#include <cstddef>
#include <string>

namespace endtoend {

class StrictJson {
  public:
    // True when text is one JSON value, with white space around it at most.
    static bool Valid(const std::string& text) {
        StrictJson reader(text);
        return reader.Value() && (reader.Space(), reader.at_ == text.size());
    }

  private:
    explicit StrictJson(const std::string& text) : text_(text) {}

    bool Value() {
        Space();
        if (at_ >= text_.size()) return false;
        switch (text_[at_]) {
        case '{':
            return Sequence('}', true);
        case '[':
            return Sequence(']', false);
        case '"':
            return String();
        case 't':
            return Word("true");
        case 'f':
            return Word("false");
        case 'n':
            return Word("null");
        default:
            return Number();
        }
    }
    // An object's members or an array's values, up to close.
    bool Sequence(char close, bool members) {
        ++at_;
        Space();
        if (Take(close)) return true;
        do {
            Space();
            if (members && !(String() && (Space(), Take(':')))) return false;
            if (!Value()) return false;
            Space();
        } while (Take(','));
        return Take(close);
    }
    bool String() {
        if (!Take('"')) return false;
        while (at_ < text_.size()) {
            const unsigned char c = static_cast<unsigned char>(text_[at_]);
            if (c == '"') return ++at_, true;
            if (c < 0x20) return false;
            if (c == '\\') {
                if (++at_ >= text_.size()) return false;
                const char e = text_[at_++];
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i)
                        if (at_ >= text_.size() ||
                            !std::isxdigit(static_cast<unsigned char>(text_[at_++])))
                            return false;
                } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
                    return false;
                }
            } else if (!Utf8()) {
                return false;
            }
        }
        return false;
    }
    // One UTF-8 character at at_, well formed.
    bool Utf8() {
        const unsigned char lead = static_cast<unsigned char>(text_[at_]);
        const size_t length = lead < 0x80                   ? 1
                              : lead >= 0xc2 && lead < 0xe0 ? 2
                              : lead >= 0xe0 && lead < 0xf0 ? 3
                              : lead >= 0xf0 && lead < 0xf5 ? 4
                                                            : 0;
        if (length == 0 || at_ + length > text_.size()) return false;
        for (size_t i = 1; i < length; ++i)
            if ((static_cast<unsigned char>(text_[at_ + i]) & 0xc0) != 0x80) return false;
        at_ += length;
        return true;
    }
    bool Number() {
        Take('-');
        if (Take('0')) {
            if (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
                return false;
        } else if (!Digits()) {
            return false;
        }
        if (Take('.') && !Digits()) return false;
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            return Digits();
        }
        return true;
    }
    bool Digits() {
        const size_t start = at_;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
            ++at_;
        return at_ > start;
    }
    bool Word(const char* word) {
        const std::string expected(word);
        if (text_.compare(at_, expected.size(), expected) != 0) return false;
        at_ += expected.size();
        return true;
    }
    bool Take(char c) {
        if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
        return false;
    }
    void Space() {
        while (at_ < text_.size() && std::string(" \t\r\n").find(text_[at_]) != std::string::npos)
            ++at_;
    }

    const std::string& text_;
    size_t at_ = 0;
};

} // namespace endtoend
