// Making and disposing of styled text edits, and changing their text, selection and styles.
#include "Platform/MacMemory.h"
#include "QuickDraw/Port.h"
#include "TextEdit/StyleScrap.h"
#include "TextEdit/TextEditRecord.h"

#include <algorithm>
#include <cstring>

namespace platform::textedit {

namespace {

constexpr SInt32 kMaxLength = 0x7FFF;
constexpr SInt16 kSystemFontSize = 12;

SInt16 Clamped(SInt32 offset, const TERec& rec) {
    return SInt16(std::clamp<SInt32>(offset, 0, rec.teLength));
}

// The style new text takes: the waiting one, or that of the character before it.
TextStyle InsertionStyle(const TextEdit& edit) {
    SInt32 at = edit.rec.selStart;
    return edit.pending.value_or(edit.runs.At(at > 0 ? at - 1 : 0));
}

void InsertStyled(TextEdit& edit, const void* text, SInt32 length, std::vector<StyleRun> runs) {
    TERec& rec = edit.rec;
    length = std::min(length, kMaxLength - rec.teLength);
    if (!text || length <= 0) return;
    SetHandleSize(rec.hText, rec.teLength + length);
    if (MemError() != noErr) return;
    char* bytes = *rec.hText;
    std::memmove(bytes + rec.selStart + length, bytes + rec.selStart,
                 size_t(rec.teLength - rec.selStart));
    std::memcpy(bytes + rec.selStart, text, size_t(length));
    edit.runs.Insert(rec.selStart, length, std::move(runs));
    rec.teLength = SInt16(rec.teLength + length);
    rec.selStart = SInt16(rec.selStart + length);
    rec.selEnd = SInt16(rec.selEnd + length);
    edit.pending.reset();
    TextChanged(edit);
}

} // namespace

} // namespace platform::textedit

using namespace platform::textedit;

TEHandle TEStyleNew(const Rect* destRect, const Rect* viewRect) {
    if (!destRect || !viewRect) return nullptr;
    Handle text = NewHandle(0);
    if (!text) return nullptr;
    GrafPtr port = platform::quickdraw::CurrentPort();
    TextStyle initial{port->txFont, port->txFace, 0, port->txSize, RGBColor{0, 0, 0}};
    TextEdit& edit = Register(std::make_unique<TextEdit>(initial));
    TERec& rec = edit.rec;
    rec.destRect = *destRect;
    rec.viewRect = *viewRect;
    rec.lineHeight = kFontLineHeight;
    rec.fontAscent = kFontAscent;
    rec.hText = text;
    rec.inPort = port;
    return edit.Handle();
}

void TEDispose(TEHandle hTE) {
    TextEdit* edit = Find(hTE);
    if (!edit) return;
    DisposeHandle(edit->rec.hText);
    Forget(hTE);
}

void TEInsert(const void* text, SInt32 length, TEHandle hTE) {
    if (TextEdit* edit = Find(hTE)) InsertStyled(*edit, text, length, {{0, InsertionStyle(*edit)}});
}

void TEStyleInsert(const void* text, SInt32 length, StScrpHandle hST, TEHandle hTE) {
    TextEdit* edit = Find(hTE);
    if (!edit) return;
    std::vector<StyleRun> runs = ReadStyleScrap(hST);
    if (runs.empty()) runs.push_back({0, InsertionStyle(*edit)});
    InsertStyled(*edit, text, length, std::move(runs));
}

void TEDelete(TEHandle hTE) {
    TextEdit* edit = Find(hTE);
    if (!edit || edit->rec.selStart == edit->rec.selEnd) return;
    TERec& rec = edit->rec;
    char* bytes = *rec.hText;
    std::memmove(bytes + rec.selStart, bytes + rec.selEnd, size_t(rec.teLength - rec.selEnd));
    edit->runs.Erase(rec.selStart, rec.selEnd);
    rec.teLength = SInt16(rec.teLength - (rec.selEnd - rec.selStart));
    rec.selEnd = rec.selStart;
    SetHandleSize(rec.hText, rec.teLength); // shrinking cannot fail
    TextChanged(*edit);
}

void TESetSelect(SInt32 selStart, SInt32 selEnd, TEHandle hTE) {
    TextEdit* edit = Find(hTE);
    if (!edit) return;
    SInt16 start = Clamped(selStart, edit->rec), end = Clamped(selEnd, edit->rec);
    edit->rec.selStart = std::min(start, end);
    edit->rec.selEnd = std::max(start, end);
    edit->pending.reset();
}

void TESetStyle(SInt16 mode, const TextStyle* newStyle, Boolean fRedraw, TEHandle hTE) {
    TextEdit* edit = Find(hTE);
    if (!edit || !newStyle) return;
    const TERec& rec = edit->rec;
    if (rec.selStart == rec.selEnd)
        edit->pending = Modified(InsertionStyle(*edit), mode, *newStyle);
    else
        edit->runs.Apply(rec.selStart, rec.selEnd, mode, *newStyle);
    if (fRedraw) Redraw(*edit);
}

void TEDeactivate(TEHandle hTE) {
    if (TextEdit* edit = Find(hTE)) edit->rec.active = 0;
}

SInt16 GetSysFont() {
    return systemFont;
}

SInt16 LMGetSysFontSize() {
    return kSystemFontSize;
}
