#include "Display/Desktop/WindowInput.h"

#include <utility>

namespace platform::display::window {

namespace {

using Kind = UserEvent::Kind;

UInt16 ModifiersOf(Uint16 state) {
    return UInt16((state & KMOD_SHIFT ? shiftKey : 0) |
                  (state & (KMOD_CTRL | KMOD_ALT) ? cmdKey : 0));
}

// The character code of a key that types no text; 0 for others.
UInt8 CodeOfKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_RETURN:
        return kReturnCharCode;
    case SDLK_KP_ENTER:
        return kEnterCharCode;
    case SDLK_ESCAPE:
        return kEscapeCharCode;
    case SDLK_TAB:
        return kTabCharCode;
    case SDLK_BACKSPACE:
        return kBackspaceCharCode;
    case SDLK_DELETE:
        return kDeleteCharCode;
    case SDLK_INSERT:
        return kHelpCharCode;
    case SDLK_LEFT:
        return kLeftArrowCharCode;
    case SDLK_RIGHT:
        return kRightArrowCharCode;
    case SDLK_UP:
        return kUpArrowCharCode;
    case SDLK_DOWN:
        return kDownArrowCharCode;
    case SDLK_HOME:
        return kHomeCharCode;
    case SDLK_END:
        return kEndCharCode;
    case SDLK_PAGEUP:
        return kPageUpCharCode;
    case SDLK_PAGEDOWN:
        return kPageDownCharCode;
    default:
        return 0;
    }
}

// Right Alt alone, or the mode switch: AltGr on the layouts that have it.
bool MayBeAltGr(Uint16 state) {
    return (state & (KMOD_RALT | KMOD_MODE)) && !(state & (KMOD_CTRL | KMOD_LALT));
}

// The text is what the key types by itself (its letter in either case).
bool IsOwnCharacter(const char* text, UInt8 character) {
    const auto lower = [](UInt8 c) { return c >= 'A' && c <= 'Z' ? UInt8(c + 32) : c; };
    return text[0] != 0 && text[1] == 0 && lower(UInt8(text[0])) == lower(character);
}

} // namespace

Point WindowInput::Where(int x, int y) const {
    return Point{SInt16(y / scale_), SInt16(x / scale_)};
}

std::vector<UserEvent> WindowInput::Key(const SDL_KeyboardEvent& key) {
    const UInt16 modifiers = ModifiersOf(key.keysym.mod);
    const SDL_Keycode code = key.keysym.sym;
    if (code == SDLK_F10) return {UserEvent{Kind::MenuKey}};
    if (code == SDLK_TAB && modifiers == shiftKey) return {UserEvent{Kind::BackTab}};
    if (const UInt8 special = CodeOfKey(code)) return {UserEvent{Kind::Key, special, modifiers}};
    // A Command key: the letter or digit, upper case with Shift, as the Menu Manager matches it.
    const bool printable = code >= SDLK_SPACE && code < 127;
    if (printable && (modifiers & cmdKey)) {
        UInt8 character = UInt8(code);
        if ((modifiers & shiftKey) && character >= 'a' && character <= 'z') character -= 32;
        const UserEvent command{Kind::Key, character, modifiers};
        if (MayBeAltGr(key.keysym.mod)) {
            maybeCommand_ = command;
            return {};
        }
        swallowText_ = true;
        return {command};
    }
    return {};
}

std::vector<UserEvent> WindowInput::Text(const char* text) {
    std::vector<UserEvent> typed;
    for (const char* at = text; *at; ++at)
        typed.push_back(UserEvent{Kind::Key, UInt8(*at)});
    return typed;
}

std::vector<UserEvent> WindowInput::Translate(const SDL_Event& event) {
    if (!maybeCommand_) return Events(event);
    const UserEvent command = *std::exchange(maybeCommand_, std::nullopt);
    if (event.type == SDL_TEXTINPUT)
        return IsOwnCharacter(event.text.text, command.charCode) ? std::vector{command}
                                                                 : Text(event.text.text);
    std::vector<UserEvent> events = Events(event);
    events.insert(events.begin(), command);
    return events;
}

std::vector<UserEvent> WindowInput::Events(const SDL_Event& event) {
    const bool swallow = std::exchange(swallowText_, false);
    switch (event.type) {
    case SDL_KEYDOWN:
        return Key(event.key);
    case SDL_TEXTINPUT:
        if (swallow) return {};
        return Text(event.text.text);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.button != SDL_BUTTON_LEFT) return {};
        return {UserEvent{event.type == SDL_MOUSEBUTTONDOWN ? Kind::MouseDown : Kind::MouseUp, 0,
                          ModifiersOf(Uint16(SDL_GetModState())),
                          Where(event.button.x, event.button.y)}};
    case SDL_MOUSEMOTION:
        return {UserEvent{Kind::MouseMove, 0, ModifiersOf(Uint16(SDL_GetModState())),
                          Where(event.motion.x, event.motion.y)}};
    case SDL_MOUSEWHEEL:
        if (event.wheel.y == 0) return {};
        return {UserEvent{.kind = Kind::Wheel, .wheel = -event.wheel.y}}; // SDL counts up
    default:
        return {};
    }
}

} // namespace platform::display::window
