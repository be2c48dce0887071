// Decodes terminal input: control bytes, Alt as an ESC prefix, CSI/SS3 key sequences and the
// SGR and X10 mouse reports, any of which may arrive split across reads.
#include "Display/Terminal/TerminalInputDecoder.h"

#include "Platform/Events.h"

#include <algorithm>
#include <vector>

namespace platform::display::terminal {

namespace {

using Kind = TerminalEvent::Kind;

// A sequence still open after this many bytes is noise, not something held for later.
constexpr std::size_t kLongestSequence = 32;

// How much of the input one event took; length 0 means its end has not arrived yet.
struct Decoded {
    std::size_t length = 0;
    std::optional<TerminalEvent> event;
};

TerminalEvent Key(UInt8 charCode, UInt16 modifiers = 0) {
    return TerminalEvent{.charCode = charCode, .modifiers = modifiers};
}

TerminalEvent OfKind(Kind kind, UInt16 modifiers) {
    return TerminalEvent{.kind = kind, .modifiers = modifiers};
}

TerminalEvent PlainKey(UInt8 byte) {
    switch (byte) {
    case '\r':
    case '\n':
        return Key('\r');
    case '\t':
        return Key('\t');
    case '\b':
    case 127:
        return Key('\b');
    }
    // Control bytes would otherwise collide with the arrow and function key codes.
    if (byte < 32) {
        UInt8 letter = byte | 0x40;
        return Key(letter >= 'A' && letter <= 'Z' ? letter | 0x20 : letter, controlKey);
    }
    return Key(byte);
}

TerminalEvent AltKey(UInt8 byte) {
    return Key(byte, cmdKey | (byte >= 'A' && byte <= 'Z' ? shiftKey : 0));
}

// Fields of "1;5"-style parameters; an empty field is 0, a non-numeric one fails the lot.
std::optional<std::vector<int>> Numbers(std::string_view params) {
    std::vector<int> numbers{0};
    for (char c : params) {
        if (c == ';') {
            numbers.push_back(0);
        } else if (c >= '0' && c <= '9') {
            numbers.back() = std::min(numbers.back() * 10 + (c - '0'), 99999);
        } else {
            return std::nullopt;
        }
    }
    return numbers;
}

// The xterm modifier parameter is one more than a bitmask: 1 shift, 2 alt, 4 ctrl, 8 meta.
UInt16 ModifiersFromParameter(const std::vector<int>& numbers) {
    int bits = numbers.size() > 1 ? std::max(numbers[1] - 1, 0) : 0;
    return UInt16((bits & 1 ? shiftKey : 0) | (bits & 10 ? cmdKey : 0) |
                  (bits & 4 ? controlKey : 0));
}

// Mouse button bits shared by both report formats; x and y count from 1.
std::optional<TerminalEvent> Mouse(int button, bool release, int x, int y) {
    UInt16 modifiers = UInt16((button & 4 ? shiftKey : 0) | (button & 8 ? cmdKey : 0) |
                              (button & 16 ? controlKey : 0));
    TerminalEvent event{
        .modifiers = modifiers, .column = std::max(x - 1, 0), .row = std::max(y - 1, 0)};
    int which = button & 3;
    if (button & 64) {
        if (release || which > 1) return std::nullopt;
        event.kind = Kind::Wheel;
        event.wheel = which == 0 ? -1 : 1;
    } else if (which != 0) {
        return std::nullopt; // middle and right buttons, or motion with no button held
    } else if (button & 32) {
        event.kind = Kind::MouseMove;
    } else {
        event.kind = release ? Kind::MouseUp : Kind::MouseDown;
    }
    return event;
}

// ESC [ M Cb Cx Cy: three raw bytes, each offset by 32; a release does not say which button.
std::optional<TerminalEvent> X10Mouse(std::string_view report) {
    int button = UInt8(report[0]) - 32;
    bool release = (button & 3) == 3 && !(button & 96);
    if (release) button &= ~3;
    return Mouse(button, release, UInt8(report[1]) - 32, UInt8(report[2]) - 32);
}

// ESC [ < b ; x ; y M (press or motion) or m (release).
std::optional<TerminalEvent> SgrMouse(std::string_view params, char final) {
    auto numbers = Numbers(params);
    if (!numbers || numbers->size() != 3 || (final != 'M' && final != 'm')) return std::nullopt;
    return Mouse((*numbers)[0], final == 'm', (*numbers)[1], (*numbers)[2]);
}

std::optional<TerminalEvent> TildeKey(const std::vector<int>& numbers) {
    UInt16 modifiers = ModifiersFromParameter(numbers);
    switch (numbers[0]) {
    case 1:
        return Key(kHomeCharCode, modifiers);
    case 2:
        return Key(kHelpCharCode, modifiers); // Insert
    case 3:
        return Key(kDeleteCharCode, modifiers);
    case 4:
        return Key(kEndCharCode, modifiers);
    case 5:
        return Key(kPageUpCharCode, modifiers);
    case 6:
        return Key(kPageDownCharCode, modifiers);
    case 21:
        return OfKind(Kind::MenuKey, modifiers);
    }
    return std::nullopt;
}

// A complete CSI (introducer '[') or SS3 ('O') sequence; anything not known is swallowed.
std::optional<TerminalEvent> Sequence(char introducer, std::string_view params, char final) {
    if (introducer == '[' && params.starts_with('<')) return SgrMouse(params.substr(1), final);
    auto numbers = Numbers(params);
    if (!numbers) return std::nullopt;
    UInt16 modifiers = ModifiersFromParameter(*numbers);
    switch (final) {
    case 'A':
        return Key(kUpArrowCharCode, modifiers);
    case 'B':
        return Key(kDownArrowCharCode, modifiers);
    case 'C':
        return Key(kRightArrowCharCode, modifiers);
    case 'D':
        return Key(kLeftArrowCharCode, modifiers);
    case 'H':
        return Key(kHomeCharCode, modifiers);
    case 'F':
        return Key(kEndCharCode, modifiers);
    case 'M':
        if (introducer == 'O') return Key(kEnterCharCode, modifiers);
        break;
    case 'Z':
        if (introducer == '[') return OfKind(Kind::BackTab, modifiers);
        break;
    case '~':
        if (introducer == '[') return TildeKey(*numbers);
        break;
    }
    return std::nullopt;
}

// The input starts with ESC and the '[' or 'O' that opens a sequence.
Decoded DecodeSequence(std::string_view input) {
    if (input.substr(1, 2) == "[M") {
        if (input.size() < 6) return {};
        return {6, X10Mouse(input.substr(3, 3))};
    }
    for (std::size_t i = 2; i < input.size() && i < kLongestSequence; ++i) {
        auto byte = UInt8(input[i]);
        if (byte >= 0x40 && byte <= 0x7E)
            return {i + 1, Sequence(input[1], input.substr(2, i - 2), char(byte))};
        // A byte that cannot be part of the sequence ends it unread, so a key typed next survives.
        if (byte < 0x20 || byte > 0x3F) return {i, std::nullopt};
    }
    if (input.size() >= kLongestSequence) return {kLongestSequence, std::nullopt};
    return {};
}

Decoded DecodeEscape(std::string_view input) {
    if (input.size() < 2) return {};
    auto next = UInt8(input[1]);
    if (next == '[' || next == 'O') return DecodeSequence(input);
    // A second ESC, or the first byte of a multibyte character, is a key of its own.
    if (next == kEscapeCharCode || next >= 128) return {1, Key(kEscapeCharCode)};
    if (next < 32 || next == 127) {
        TerminalEvent key = PlainKey(next);
        key.modifiers |= cmdKey;
        return {2, key};
    }
    return {2, AltKey(next)};
}

Decoded DecodeFront(std::string_view input) {
    auto byte = UInt8(input[0]);
    if (byte == kEscapeCharCode) return DecodeEscape(input);
    return {1, PlainKey(byte)};
}

} // namespace

void TerminalInputDecoder::Feed(std::string_view bytes) {
    pending_.append(bytes);
    Drain();
}

std::optional<TerminalEvent> TerminalInputDecoder::Next() {
    if (events_.empty()) return std::nullopt;
    TerminalEvent event = events_.front();
    events_.pop_front();
    return event;
}

void TerminalInputDecoder::Timeout() {
    // ESC [ and ESC O on their own were Alt with those keys; a longer fragment is dropped.
    if (pending_.size() == 1)
        events_.push_back(Key(kEscapeCharCode));
    else if (pending_.size() == 2)
        events_.push_back(AltKey(UInt8(pending_[1])));
    pending_.clear();
}

void TerminalInputDecoder::Drain() {
    std::string_view rest = pending_;
    while (!rest.empty()) {
        Decoded decoded = DecodeFront(rest);
        if (decoded.length == 0) break;
        if (decoded.event) events_.push_back(*decoded.event);
        rest.remove_prefix(decoded.length);
    }
    pending_.erase(0, pending_.size() - rest.size());
}

} // namespace platform::display::terminal
