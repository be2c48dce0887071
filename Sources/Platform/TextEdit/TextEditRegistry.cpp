#include "Support/HandleRegistry.h"
#include "TextEdit/TextEditRecord.h"

namespace platform::textedit {

namespace {

HandleRegistry<TextEdit>& TextEdits() {
    static HandleRegistry<TextEdit> edits;
    return edits;
}

} // namespace

TextEdit* Find(TEHandle handle) {
    return TextEdits().Find(handle);
}

TextEdit& Register(std::unique_ptr<TextEdit> edit) {
    InstallModelView();
    return TextEdits().Add(std::move(edit));
}

void Forget(TEHandle handle) {
    TextEdits().Remove(handle);
}

std::vector<TextEdit*> TextEditsIn(WindowRef window) {
    return TextEdits().Where(
        [&](const TextEdit& edit) { return window && edit.rec.inPort == GetWindowPort(window); });
}

long Count() {
    return long(TextEdits().Size());
}

void Reset() {
    for (TextEdit* edit : TextEdits().All())
        TEDispose(edit->Handle());
}

} // namespace platform::textedit
