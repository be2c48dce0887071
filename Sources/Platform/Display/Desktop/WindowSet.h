// Every shown window of the model as a window of the desktop, made, brought in step and closed
// as the model's are. The list window (the first with a close box) holds the menu bar; the
// others are transient for it, the front one modal while the model's modal loop runs. The file
// choosers are the desktop's own.
#pragma once

#include "Display/Desktop/ChooserView.h"
#include "Display/Desktop/MenuBarView.h"
#include "Display/Desktop/WindowView.h"

#include <map>
#include <memory>

namespace platform::display::gtk {

class WindowSet {
  public:
    explicit WindowSet(ModelInput& input) : input_(input), menuBar_(input) {}
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    void Show(const ModelSnapshot& model);
    // The window the person brought forward goes to the front of the model too.
    void Activated(GtkWindow* shown);

  private:
    const WindowSnapshot* MainWindow(const ModelSnapshot& model) const;
    void ShowWindow(const WindowSnapshot& window, const ModelSnapshot& model, GtkWindow* parent);
    void PlaceMenuBar(WindowView* main);

    ModelInput& input_;
    MenuBarView menuBar_;
    std::map<UInt64, std::unique_ptr<WindowView>> views_; // by serial
    std::map<UInt64, std::unique_ptr<ChooserView>> choosers_;
    WindowView* menuHolder_ = nullptr;
    UInt64 front_ = 0;
    ModelSnapshot model_;
};

} // namespace platform::display::gtk
