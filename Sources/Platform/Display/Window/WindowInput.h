// Turns the window's SDL events into the events the keyboard conveniences read: the pointer in
// model pixels (window pixels over the scale), typed text byte by byte as the program's UTF-8
// character codes, the editing and moving keys, and Ctrl or Alt with a key as the Command key.
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
    std::vector<UserEvent> Key(const SDL_KeyboardEvent& key);
    Point Where(int x, int y) const;

    int scale_;
    // The text SDL also sends for a key taken as a Command key is not typed.
    bool swallowText_ = false;
};

} // namespace platform::display::window
