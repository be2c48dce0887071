// Editing the current edit field: its selection and typed keys. A field is one line of UTF-8
// text in the fixed font, starting at its box's left edge.
#include "Dialogs/Dialog.h"
#include "Windows/Window.h"

#include <algorithm>

using namespace platform;

namespace platform::dialogs {

namespace {

// Offsets step over whole UTF-8 characters: a continuation byte never starts one.
bool Continues(char byte) {
    return (UInt8(byte) & 0xC0) == 0x80;
}

std::string FieldText(DialogRef dialog) {
    const DialogItem* field = ItemOf(dialog, dialog->editField);
    return field ? HandleText(field->handle) : std::string();
}

SInt16 Length(DialogRef dialog) {
    return SInt16(std::min<size_t>(FieldText(dialog).size(), 32767));
}

void Caret(DialogRef dialog, SInt16 at) {
    Focus(dialog, dialog->editField, at, at);
}

// The end of the selection that moves: the caret, or where Shift with a key last took it.
SInt16 MovingEnd(DialogRef dialog) {
    return dialog->selAnchor == dialog->selStart ? dialog->selEnd : dialog->selStart;
}

// Moves the caret to the offset, or with Shift the moving end of the selection.
void MoveTo(DialogRef dialog, SInt16 at, bool extend) {
    Focus(dialog, dialog->editField, extend ? dialog->selAnchor : at, at);
}

// Scrolls the current field so that the gap at offset lies inside its box.
void KeepInView(DialogRef dialog, SInt16 offset) {
    const DialogItem* field = ItemOf(dialog, dialog->editField);
    if (!field) return;
    const std::string text = HandleText(field->handle);
    const int at = TextWidth(text.data(), 0, offset) / kFontCharWidth;
    const int room = std::max(1, (field->box.right - field->box.left) / kFontCharWidth);
    if (at < dialog->editScroll) dialog->editScroll = SInt16(at);
    if (at > dialog->editScroll + room - 1) dialog->editScroll = SInt16(at - room + 1);
}

// The next edit field after the current one, round to the first.
DialogItemIndex NextField(DialogRef dialog) {
    auto count = DialogItemIndex(dialog->items.size());
    for (DialogItemIndex step = 1; step <= count; ++step) {
        auto item = DialogItemIndex((dialog->editField - 1 + step) % count + 1);
        if (KindOf(*ItemOf(dialog, item)) == editText) return item;
    }
    return dialog->editField;
}

} // namespace

SInt16 CharacterBefore(const std::string& text, SInt16 at) {
    if (at > 0) --at;
    while (at > 0 && Continues(text[size_t(at)]))
        --at;
    return at;
}

SInt16 CharacterAfter(const std::string& text, SInt16 at) {
    auto length = SInt16(std::min<size_t>(text.size(), 32767));
    if (at < length) ++at;
    while (at < length && Continues(text[size_t(at)]))
        ++at;
    return at;
}

void Focus(DialogRef dialog, DialogItemIndex field, SInt16 anchor, SInt16 moving) {
    if (dialog->editField != field) dialog->editScroll = 0;
    dialog->editField = field;
    SInt16 length = Length(dialog);
    anchor = std::clamp<SInt16>(anchor, 0, length);
    moving = std::clamp<SInt16>(moving, 0, length);
    dialog->selAnchor = anchor;
    dialog->selStart = std::min(anchor, moving);
    dialog->selEnd = std::max(anchor, moving);
    KeepInView(dialog, moving);
    windows::ModelChanged();
}

std::string SelectedText(DialogRef dialog) {
    return FieldText(dialog).substr(size_t(dialog->selStart),
                                    size_t(dialog->selEnd - dialog->selStart));
}

void ReplaceSelection(DialogRef dialog, std::string_view bytes) {
    DialogItem* field = ItemOf(dialog, dialog->editField);
    if (!field) return;
    std::string text = FieldText(dialog);
    text.replace(size_t(dialog->selStart), size_t(dialog->selEnd - dialog->selStart), bytes);
    SetHandleText(field->handle, text);
    Caret(dialog, SInt16(dialog->selStart + bytes.size()));
}

void TypeKey(DialogRef dialog, UInt8 charCode, EventModifiers modifiers) {
    std::string text = FieldText(dialog);
    bool empty = dialog->selStart == dialog->selEnd;
    const bool extend = modifiers & shiftKey;
    switch (charCode) {
    case kBackspaceCharCode:
        if (empty) dialog->selStart = CharacterBefore(text, dialog->selStart);
        return ReplaceSelection(dialog, {});
    case kDeleteCharCode:
        if (empty) dialog->selEnd = CharacterAfter(text, dialog->selEnd);
        return ReplaceSelection(dialog, {});
    case kLeftArrowCharCode:
        if (extend) return MoveTo(dialog, CharacterBefore(text, MovingEnd(dialog)), true);
        return Caret(dialog, empty ? CharacterBefore(text, dialog->selStart) : dialog->selStart);
    case kRightArrowCharCode:
        if (extend) return MoveTo(dialog, CharacterAfter(text, MovingEnd(dialog)), true);
        return Caret(dialog, empty ? CharacterAfter(text, dialog->selEnd) : dialog->selEnd);
    case kUpArrowCharCode:
    case kHomeCharCode:
        return MoveTo(dialog, 0, extend);
    case kDownArrowCharCode:
    case kEndCharCode:
        return MoveTo(dialog, Length(dialog), extend);
    case kTabCharCode:
        return Focus(dialog, NextField(dialog), 0, 32767);
    default:
        if (charCode >= ' ') ReplaceSelection(dialog, std::string(1, char(charCode)));
    }
}

bool IsSelectAllKey(UInt8 charCode, EventModifiers modifiers) {
    return (charCode == 'a' || charCode == 'A') && (modifiers & (cmdKey | controlKey));
}

} // namespace platform::dialogs
