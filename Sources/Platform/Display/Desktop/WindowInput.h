// Turns the window's SDL events into the events the keyboard conveniences read: the pointer in
// model pixels (window pixels over the scale), typed text byte by byte as the program's UTF-8
// character codes, the editing and moving keys, and Ctrl or Alt with a key as the Command key.
// AltGr is the right Alt key on layouts that type with it: what it types is text, never a
// Command key.
#pragma once

#include "Display/KeyConveniences.h"

#include <SDL.h>

#include <optional>
#include <vector>

namespace platform::display::window {

class WindowInput {
  public:
    explicit WindowInput(int scale) : scale_(scale) {}
    // The events one SDL event gives; none for what the program does not take.
    std::vector<UserEvent> Translate(const SDL_Event& event);

  private:
    std::vector<UserEvent> Events(const SDL_Event& event);
    std::vector<UserEvent> Key(const SDL_KeyboardEvent& key);
    std::vector<UserEvent> Text(const char* text);
    Point Where(int x, int y) const;

    int scale_;
    // The text SDL also sends for a key taken as a Command key is not typed.
    bool swallowText_ = false;
    // A key with the right Alt (or the layout's level-3 shift) held, waiting for the text SDL
    // sends next: a character the key does not type alone means AltGr, and is typed; the key's
    // own letter, or no text, makes it a Command key.
    std::optional<UserEvent> maybeCommand_;
};

} // namespace platform::display::window
