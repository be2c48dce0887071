// The model's file chooser as the desktop's own (through the desktop portal where one runs):
// it starts in the model chooser's folder with its proposed name, and what the person chooses
// is typed into the model chooser's name field and confirmed, or the model chooser cancelled, so
// that the program's own checks follow. The desktop's save chooser asks before it replaces a
// file, so the model's same question that follows is answered as the person answered it.
#pragma once

#include "Display/Desktop/ModelInput.h"

#include <gtk/gtk.h>

#include <string>

namespace platform::display::gtk {

// The system file's dialogs that the desktop's chooser stands in for.
bool IsChooser(const WindowSnapshot& window);
bool IsReplaceQuestion(const WindowSnapshot& window);

class ChooserView {
  public:
    ChooserView(ModelInput& input, const WindowSnapshot& window);
    ~ChooserView();
    ChooserView(const ChooserView&) = delete;
    ChooserView& operator=(const ChooserView&) = delete;

    // Opens the desktop's chooser when the model's is in front and not answered yet.
    void Show(const WindowSnapshot& window, bool front, GtkWindow* parent);
    // Answers the model's replace question as the person answered the desktop's; false when
    // they were not asked.
    bool AnswerReplaceQuestion(const WindowSnapshot& question);

  private:
    void Answered(int response);

    ModelInput& input_;
    WindowSnapshot model_;
    GtkFileChooserNative* dialog_ = nullptr;
    bool replaceAgreed_ = false;
};

} // namespace platform::display::gtk
