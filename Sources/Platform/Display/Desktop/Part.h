// One widget of a window, made for a part of the model window (a control, a dialog item, a list,
// a text) and kept in step with it. A part reads the window's latest snapshot, and hands what the
// person does to the program as input; while the window is brought in step with the model its
// widgets' own signals are the model's doing and are ignored.
#pragma once

#include "Display/Desktop/ModelInput.h"
#include "Display/ModelSnapshot.h"

#include <gtk/gtk.h>

#include <string>

namespace platform::display::gtk {

// The model's rows are 16 pixels high, too low for the desktop's widgets: a window's content is
// laid out twice as high and a quarter wider, for proportional text.
constexpr int kTallness = 2;
constexpr double kWideness = 1.25;

inline int Across(int modelPixels) {
    return int(modelPixels * kWideness + 0.5);
}
inline int Down(int modelPixels) {
    return modelPixels * kTallness;
}

struct WindowContext {
    ModelInput& input;
    WindowSnapshot model; // the latest
    bool syncing = false;
    // The model's current edit field when the window was last shown: when the model moves it,
    // the keyboard follows.
    DialogItemIndex modelField = 0;
};

class Part {
  public:
    Part(WindowContext& context, GtkWidget* widget);
    virtual ~Part();
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

    GtkWidget* Widget() const { return widget_; }
    // Shows what the window's snapshot holds for the part; its box, global, where it goes.
    virtual Rect Update(const WindowSnapshot& window) = 0;

  protected:
    // A signal of the widget, to this part, ignored while the model is shown.
    void Connect(GtkWidget* widget, const char* signal, GCallback handler);
    bool Syncing() const { return context_.syncing; }

    WindowContext& context_;

  private:
    GtkWidget* widget_;
};

// Names the widget for the screen reader when the name is new: each naming is news on the
// accessibility bus. `named` keeps the name given last.
void NameForReader(GtkWidget* widget, std::string& named, const std::string& name);

// The vertical scroll bar beside a box (a list's or a text's); null when there is none.
const ControlSnapshot* ScrollBarBeside(const WindowSnapshot& window, const Rect& box);
// The wheel over the widget clicks the arrows of the scroll bar beside the box, three rows a
// notch.
void ScrollWithWheel(GtkWidget* widget, WindowContext& context, Rect box);

} // namespace platform::display::gtk
