// Editing the current edit field: its selection, typed keys, and clicks. A field is one line
// of UTF-8 text in the fixed font, starting at its box's left edge.
#include "Dialogs/Dialog.h"
#include "Events/EventSource.h"
#include "Windows/Window.h"

#include <algorithm>

using namespace platform;

namespace platform::dialogs {

namespace {

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

// Offsets step over whole UTF-8 characters: a continuation byte never starts one.
bool Continues(char byte) {
    return (UInt8(byte) & 0xC0) == 0x80;
}

SInt16 Before(const std::string& text, SInt16 at) {
    if (at > 0) --at;
    while (at > 0 && Continues(text[size_t(at)]))
        --at;
    return at;
}

SInt16 After(const std::string& text, SInt16 at) {
    auto length = SInt16(std::min<size_t>(text.size(), 32767));
    if (at < length) ++at;
    while (at < length && Continues(text[size_t(at)]))
        ++at;
    return at;
}

// The gap between characters nearest to the local point, in the field as scrolled. Left of the
// field is its start, right of it its end, as a drag past either edge expects.
SInt16 OffsetAt(DialogRef dialog, DialogItemIndex field, Point local) {
    const DialogItem* item = ItemOf(dialog, field);
    std::string text = HandleText(item->handle);
    if (local.h < item->box.left) return 0;
    if (local.h >= item->box.right) return SInt16(std::min<size_t>(text.size(), 32767));
    SInt32 column = (local.h - item->box.left + kFontCharWidth / 2) / kFontCharWidth +
                    (field == dialog->editField ? dialog->editScroll : 0);
    SInt16 offset = 0;
    for (SInt32 i = 0; i < column; ++i)
        offset = After(text, offset);
    return offset;
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

void Focus(DialogRef dialog, DialogItemIndex field, SInt16 selStart, SInt16 selEnd) {
    if (dialog->editField != field) dialog->editScroll = 0;
    dialog->editField = field;
    SInt16 length = Length(dialog);
    selStart = std::clamp<SInt16>(selStart, 0, length);
    selEnd = std::clamp<SInt16>(selEnd, 0, length);
    dialog->selStart = std::min(selStart, selEnd);
    dialog->selEnd = std::max(selStart, selEnd);
    KeepInView(dialog, selEnd);
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

void TypeKey(DialogRef dialog, UInt8 charCode) {
    std::string text = FieldText(dialog);
    bool empty = dialog->selStart == dialog->selEnd;
    switch (charCode) {
    case kBackspaceCharCode:
        if (empty) dialog->selStart = Before(text, dialog->selStart);
        return ReplaceSelection(dialog, {});
    case kDeleteCharCode:
        if (empty) dialog->selEnd = After(text, dialog->selEnd);
        return ReplaceSelection(dialog, {});
    case kLeftArrowCharCode:
        return Caret(dialog, empty ? Before(text, dialog->selStart) : dialog->selStart);
    case kRightArrowCharCode:
        return Caret(dialog, empty ? After(text, dialog->selEnd) : dialog->selEnd);
    case kUpArrowCharCode:
        return Caret(dialog, 0);
    case kDownArrowCharCode:
        return Caret(dialog, Length(dialog));
    case kTabCharCode:
        return Focus(dialog, NextField(dialog), 0, 32767);
    default:
        if (charCode >= ' ') ReplaceSelection(dialog, std::string(1, char(charCode)));
    }
}

// The selection runs from where the button went down to where the pointer is.
void ClickField(DialogRef dialog, DialogItemIndex field, Point local) {
    SInt16 anchor = OffsetAt(dialog, field, local);
    Focus(dialog, field, anchor, anchor);
    Point global;
    bool held;
    do {
        held = events::NextTrackingPoint(&global);
        Focus(dialog, field, anchor, OffsetAt(dialog, field, LocalPoint(dialog, global)));
    } while (held);
}

} // namespace platform::dialogs
