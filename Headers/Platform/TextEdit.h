// TextEdit: text-edit references, and the text scrap that edit fields cut to and paste from.
// The scrap is process-wide; the desk scrap it exchanges with belongs to the process too.
#pragma once

#include "Platform/Quickdraw.h"

struct TERec;
typedef TERec* TEPtr;
typedef TEPtr* TEHandle;

// The text scrap from the desk scrap, and back.
OSErr TEFromScrap();
OSErr TEToScrap();
// Empties the desk scrap.
OSStatus ClearCurrentScrap();

// Styled text: a text laid out in lines across the destination rectangle and shown through the
// view rectangle. A line breaks after every CR, and otherwise at the last space before the
// character that would pass the destination's right edge (inside a word only when the word is
// longer than a line). Every line is 16 pixels high whatever its style's size. Font, face, size
// and colour are kept per run of characters; the face (bold, underline) shows when drawn.
struct TERec {
    Rect destRect;
    Rect viewRect;
    SInt16 lineHeight; // every line's
    SInt16 fontAscent;
    SInt16 selStart;
    SInt16 selEnd;
    SInt16 active;
    SInt16 teLength;
    Handle hText; // teLength bytes
    GrafPtr inPort;
    SInt16 nLines; // a final CR ends the last line rather than starting an empty one
};

struct TextStyle {
    SInt16 tsFont;
    Style tsFace;
    UInt8 filler;
    SInt16 tsSize;
    RGBColor tsColor;
};

// A style scrap as a 'styl' resource holds it, read where it lies: a big-endian 16-bit count,
// then 20 bytes a run (start offset 4, line height 2, ascent 2, font 2, face 1 and a filler
// byte, size 2, colour 6).
struct StScrpRec;
typedef StScrpRec** StScrpHandle;

// TESetStyle modes.
constexpr SInt16 doFont = 1, doFace = 2, doSize = 4, doColor = 8, doAll = 15, addSize = 16;

// The port current now is the one the text draws in.
TEHandle TEStyleNew(const Rect* destRect, const Rect* viewRect);
void TEDispose(TEHandle hTE);

// Inserting goes before the selection, which keeps its text; deleting removes the selection.
// The text changed is drawn again at once.
void TEInsert(const void* text, SInt32 length, TEHandle hTE);
void TEStyleInsert(const void* text, SInt32 length, StScrpHandle hST, TEHandle hTE);
void TEDelete(TEHandle hTE);
void TESetSelect(SInt32 selStart, SInt32 selEnd, TEHandle hTE);
// Styles the selection; an empty selection gets the style for the next insertion.
void TESetStyle(SInt16 mode, const TextStyle* newStyle, Boolean fRedraw, TEHandle hTE);
void TEDeactivate(TEHandle hTE);

// Moves the destination rectangle and draws what the view then shows.
void TEScroll(SInt16 dh, SInt16 dv, TEHandle hTE);
// Draws the whole lines that lie within the view and rUpdate, without erasing first.
void TEUpdate(const Rect* rUpdate, TEHandle hTE);
// The height of lines startLine to endLine, counted from 1.
SInt32 TEGetHeight(SInt32 endLine, SInt32 startLine, TEHandle hTE);

SInt16 GetSysFont();
SInt16 LMGetSysFontSize();
