#include "Korvane/Shell/Terminate.h"

#include "Platform/Dialogs.h"

// A dialog's window goes with its dialog, so that no item outlives its window.
void Terminate() {
    while (WindowRef window = FrontWindow()) {
        if (DialogRef dialog = GetDialogFromWindow(window))
            DisposeDialog(dialog);
        else
            DisposeWindow(window);
    }
    ExitToShell();
}
