// One model window as a top-level window of the desktop: titled from the model, sized to its
// content, its parts placed by the model's rectangles, scrolled where the screen is too small
// for it. Its close button is the model's close box (or, without one, the dialog's Cancel);
// Escape and the Command keys (Ctrl with a letter) go to the program from anywhere in it, but
// for the editing keys an edit field keeps for itself.
#pragma once

#include "Display/Desktop/Part.h"

#include <map>
#include <memory>
#include <string>

namespace platform::display::gtk {

class WindowView {
  public:
    WindowView(ModelInput& input, const WindowSnapshot& window);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    GtkWindow* Window() const { return GTK_WINDOW(window_); }
    const WindowSnapshot& Model() const { return context_.model; }
    // Brings the window in step with the model's.
    void Show(const WindowSnapshot& window, GtkWindow* parent, bool modal);
    // The menu bar goes above the content; null takes it away.
    void SetMenuBar(GtkWidget* bar);

  private:
    void ShowParts(const WindowSnapshot& window);
    void Place(GtkWidget* widget, const Rect& box);
    void NameFields(const WindowSnapshot& window);
    void Relate();
    void CloseRequested();
    bool KeyPressed(guint keyval, GdkModifierType state);

    WindowContext context_;
    GtkWidget* window_;
    GtkWidget* column_;
    GtkWidget* scroller_;
    GtkWidget* layout_;
    GtkWidget* menuBar_ = nullptr;
    GtkWindow* parent_ = nullptr;
    bool modal_ = false;
    std::map<std::string, std::unique_ptr<Part>> parts_;
};

} // namespace platform::display::gtk
