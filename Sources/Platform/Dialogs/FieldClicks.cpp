// Clicks in edit fields: a click puts the caret where it lands and a drag selects from there;
// a double click selects the word it lands on.
#include "Dialogs/Dialog.h"
#include "Events/EventSource.h"

#include <algorithm>

using namespace platform;

namespace platform::dialogs {

namespace {

struct Span {
    SInt16 start = 0, end = 0;
};

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
        offset = CharacterAfter(text, offset);
    return offset;
}

// The character under the local point, as the gap at its left.
SInt16 CharacterAt(DialogRef dialog, DialogItemIndex field, Point local) {
    return OffsetAt(dialog, field, Point{local.v, SInt16(local.h - kFontCharWidth / 2)});
}

// Letters, digits and every character beyond ASCII make words; spaces and the other
// characters make runs of their own.
enum class CharacterKind { Word, Space, Other };

CharacterKind KindOfByte(char byte) {
    const auto c = UInt8(byte);
    const auto lower = UInt8(c | 0x20);
    if (c >= 0x80 || c == '_' || (c >= '0' && c <= '9') || (lower >= 'a' && lower <= 'z'))
        return CharacterKind::Word;
    return c == ' ' ? CharacterKind::Space : CharacterKind::Other;
}

// The run of one kind that holds the character at the offset (the last one past the end).
Span WordAt(const std::string& text, SInt16 at) {
    const auto length = SInt16(std::min<size_t>(text.size(), 32767));
    if (length == 0) return {};
    at = std::min(at, SInt16(length - 1));
    const CharacterKind kind = KindOfByte(text[size_t(at)]);
    Span word{at, at};
    while (word.start > 0 && KindOfByte(text[size_t(word.start - 1)]) == kind)
        --word.start;
    while (word.end < length && KindOfByte(text[size_t(word.end)]) == kind)
        ++word.end;
    return word;
}

// A second press on the same character of the field within the double-click time; a pair
// counts once. A press made from a key stands alone.
bool CompletesDoubleClick(DialogRef dialog, DialogItemIndex field, SInt16 character) {
    const events::ClickRecord down = events::LastMouseDown();
    FieldClick& last = dialog->lastFieldClick;
    const bool twice = !down.single && last.pairs && last.field == field &&
                       last.character == character && down.when - last.when <= GetDblTime();
    last = FieldClick{field, character, down.when, !twice && !down.single};
    return twice;
}

} // namespace

// The selection runs from where the button went down to where the pointer is; a double click
// selects the word and keeps it while the button is held.
void ClickField(DialogRef dialog, DialogItemIndex field, Point local) {
    const SInt16 anchor = OffsetAt(dialog, field, local);
    const SInt16 character = CharacterAt(dialog, field, local);
    const bool word = CompletesDoubleClick(dialog, field, character);
    const Span selected =
        word ? WordAt(HandleText(ItemOf(dialog, field)->handle), character) : Span{anchor, anchor};
    Focus(dialog, field, selected.start, selected.end);
    Point global;
    bool held;
    do {
        held = events::NextTrackingPoint(&global);
        if (!word)
            Focus(dialog, field, anchor, OffsetAt(dialog, field, LocalPoint(dialog, global)));
    } while (held);
}

} // namespace platform::dialogs
