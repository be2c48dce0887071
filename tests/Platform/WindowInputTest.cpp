// The window's SDL events as the keyboard conveniences receive them: the right Alt key types
// what the layout gives it (AltGr) and is the Command key only where it types nothing else.
#include "Display/Desktop/WindowInput.h"

#include <gtest/gtest.h>

#include <cstring>

using platform::display::UserEvent;
using platform::display::window::WindowInput;

namespace {

SDL_Event KeyDown(SDL_Keycode key, Uint16 modifiers) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event KeyUp(SDL_Keycode key) {
    SDL_Event event = KeyDown(key, 0);
    event.type = SDL_KEYUP;
    return event;
}

SDL_Event Text(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, text, sizeof event.text.text - 1);
    return event;
}

// What the events give, as "c" for a character typed and "cmd-c" for a Command key.
std::string Keys(std::initializer_list<SDL_Event> events) {
    WindowInput input(1);
    std::string keys;
    for (const SDL_Event& event : events)
        for (const UserEvent& user : input.Translate(event)) {
            if (user.kind != UserEvent::Kind::Key) continue;
            keys += keys.empty() ? "" : " ";
            keys += std::string(user.modifiers & cmdKey ? "cmd-" : "") + char(user.charCode);
        }
    return keys;
}

} // namespace

TEST(WindowInput, AltGrTypesTheLayoutsCharacterAndAltIsTheCommandKey) {
    // A German layout: AltGr+Q types @, AltGr+E the euro sign, Shift+AltGr+Q as the layout says.
    EXPECT_EQ(Keys({KeyDown('q', KMOD_RALT), Text("@"), KeyUp('q')}), "@");
    EXPECT_EQ(Keys({KeyDown('e', KMOD_RALT), Text("\xe2\x82\xac")}), "\xe2 \x82 \xac");
    EXPECT_EQ(Keys({KeyDown('q', KMOD_RALT | KMOD_SHIFT), Text("\xce\xa9")}), "\xce \xa9");
    EXPECT_EQ(Keys({KeyDown('q', KMOD_MODE | KMOD_RALT), Text("@"), KeyDown('x', 0), Text("x")}),
              "@ x");

    // The right Alt of a layout without AltGr types the key's own letter: the Command key, as
    // the left Alt and Ctrl are, whose letter is not typed.
    EXPECT_EQ(Keys({KeyDown('q', KMOD_RALT), Text("q")}), "cmd-q");
    EXPECT_EQ(Keys({KeyDown('s', KMOD_RALT | KMOD_SHIFT), Text("S")}), "cmd-S");
    EXPECT_EQ(Keys({KeyDown('q', KMOD_LALT), Text("q")}), "cmd-q");
    EXPECT_EQ(Keys({KeyDown('3', KMOD_LCTRL)}), "cmd-3");
    EXPECT_EQ(Keys({KeyDown('q', KMOD_LALT | KMOD_RALT), Text("@")}), "cmd-q");
    // With no text at all, the key stays a Command key, given before what comes next.
    EXPECT_EQ(Keys({KeyDown('q', KMOD_RALT), KeyUp('q'), KeyDown('a', 0), Text("a")}), "cmd-q a");
}
