// The text scrap that edit fields cut to and paste from, and the desk scrap it is exchanged
// with. Both belong to the process.
#include "Dialogs/Dialog.h"
#include "Display/Backend.h"
#include "Platform/TextEdit.h"

namespace {

struct Scraps {
    std::string text; // TextEdit's own scrap
    std::string desk;
};

Scraps& TheScraps() {
    static Scraps scraps;
    return scraps;
}

bool HasField(DialogRef dialog) {
    return dialog && dialog->editField != 0;
}

} // namespace

using namespace platform::dialogs;

OSErr TEFromScrap() {
    TheScraps().text = TheScraps().desk;
    return noErr;
}

OSErr TEToScrap() {
    TheScraps().desk = TheScraps().text;
    return noErr;
}

OSStatus ClearCurrentScrap() {
    TheScraps().desk.clear();
    return noErr;
}

void DialogCut(DialogRef theDialog) {
    if (!HasField(theDialog)) return;
    DialogCopy(theDialog);
    ReplaceSelection(theDialog, {});
}

// An insertion point empties the scrap. A display with a clipboard gets the text too.
void DialogCopy(DialogRef theDialog) {
    if (!HasField(theDialog)) return;
    TheScraps().text = SelectedText(theDialog);
    platform::display::CurrentBackend().WriteClipboard(TheScraps().text);
}

// What was copied on the desktop since, where the display has a clipboard.
void DialogPaste(DialogRef theDialog) {
    if (!HasField(theDialog)) return;
    if (std::optional<std::string> copied = platform::display::CurrentBackend().ReadClipboard())
        TheScraps().text = *copied;
    ReplaceSelection(theDialog, TheScraps().text);
}

void DialogDelete(DialogRef theDialog) {
    if (HasField(theDialog)) ReplaceSelection(theDialog, {});
}
