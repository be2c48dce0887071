// The dialog record: its window, its items as the item list made them, and the state of its
// edit fields; and what the Dialog Manager's files share.
#pragma once

#include "Display/ModelSnapshot.h"
#include "Platform/Dialogs.h"

#include <string>
#include <string_view>
#include <vector>

struct DialogItem {
    DialogItemType type = 0; // kind, with itemDisable when the item is disabled
    Handle handle = nullptr; // ControlRef, text handle or UserItemUPP, by kind
    Rect box{};              // local coordinates
};

using AlertKind = platform::display::AlertKind; // the display's own

// The last press in an edit field, which a second one on the same character may make a double
// click.
struct FieldClick {
    DialogItemIndex field = 0;
    SInt16 character = 0;
    UInt32 when = 0;
    bool pairs = false; // it may begin a pair
};

struct OpaqueDialogPtr {
    WindowRef window = nullptr;
    std::vector<DialogItem> items; // item N at N - 1
    DialogItemIndex defaultItem = 0;
    DialogItemIndex cancelItem = 0;
    // The current edit field, 0 when there is none, and its selection: the end that stays
    // when Shift with an arrow, Home or End moves the other one.
    DialogItemIndex editField = 0;
    SInt16 selStart = 0;
    SInt16 selEnd = 0;
    SInt16 selAnchor = 0;
    FieldClick lastFieldClick;
    // Characters of the current field scrolled out on the left, so that the caret (the moving
    // end of a selection) stays inside the box.
    SInt16 editScroll = 0;
    AlertKind alert = AlertKind::None;
    SInt16 alertID = 0;  // the 'ALRT' resource of an alert
    SInt16 dialogID = 0; // the 'DLOG' resource of a dialog made from one
    // An edit field that shows a bullet for each character typed, never the characters.
    DialogItemIndex concealedField = 0;
};

namespace platform::dialogs {

// The item, or null when the dialog has no such item.
DialogItem* ItemOf(DialogRef dialog, DialogItemIndex item);
inline DialogItemType KindOf(const DialogItem& item) {
    return DialogItemType(item.type & ~itemDisable);
}
inline bool IsEnabled(const DialogItem& item) {
    return !(item.type & itemDisable);
}
inline bool IsControlItem(const DialogItem& item) {
    return KindOf(item) >= ctrlItem && KindOf(item) <= ctrlItem + resCtrl;
}
inline bool IsTextItem(const DialogItem& item) {
    return KindOf(item) == statText || KindOf(item) == editText;
}
inline ControlRef ControlOf(const DialogItem& item) {
    return reinterpret_cast<ControlRef>(item.handle);
}
// Enabled, and for a control item, an active control.
bool IsActiveItem(DialogRef dialog, DialogItemIndex item);
// The first item whose box holds the local point; 0 when there is none.
DialogItemIndex ItemAt(DialogRef dialog, Point local);
DialogRef FrontDialog();
// For tests: disposes of every dialog.
void Reset();
Point LocalPoint(DialogRef dialog, Point global);

// The text of a text item's handle.
std::string HandleText(Handle text);
void SetHandleText(Handle text, std::string_view bytes);
// A static text as shown, with ^0 to ^3 replaced by the parameters of ParamText.
std::string ShownText(std::string_view text);

// Edit fields: the current field's text and selection, from the anchor to the moving end,
// which is kept in view.
void Focus(DialogRef dialog, DialogItemIndex field, SInt16 anchor, SInt16 moving);
std::string SelectedText(DialogRef dialog);
void ReplaceSelection(DialogRef dialog, std::string_view bytes);
// The offset of the UTF-8 character before or after the offset, within the text.
SInt16 CharacterBefore(const std::string& text, SInt16 at);
SInt16 CharacterAfter(const std::string& text, SInt16 at);
// A key typed into the current field; Shift with an arrow, Home or End extends the selection.
void TypeKey(DialogRef dialog, UInt8 charCode, EventModifiers modifiers);
// Command-A, or Control-A where a terminal sends it so: the whole field selected.
bool IsSelectAllKey(UInt8 charCode, EventModifiers modifiers);
// A click in an edit field: it becomes current, and the selection follows the pointer; a
// double click selects a word.
void ClickField(DialogRef dialog, DialogItemIndex field, Point local);

// Dialogs from templates.
struct WindowTemplate {
    Rect bounds{}; // global
    std::string title;
    SInt16 procID = 0;
    bool visible = true;
    bool closeBox = false;
    SRefCon refCon = 0;
    SInt16 itemsID = 0;
    UInt16 placement = 0;
};
// The dialog's window and items; null when the item list is missing or damaged.
DialogRef CreateDialog(const WindowTemplate& window, WindowRef behind);

// Runs the dialog modally until an item is hit: Return, Enter, Escape and Command-period,
// clicks and keys, after the filter has seen each event.
DialogItemIndex RunModal(DialogRef dialog, ModalFilterUPP filter);
// Return and Enter choose the default item, Escape and Command-period the cancel item,
// Command-D the button named "Don't Save". True
// when the key was one of them and its item is set: itemHit is the item when it is active,
// 0 when the key is swallowed.
bool StandardKeys(DialogRef dialog, const EventRecord& event, DialogItemIndex* itemHit);
// The first button with this title; 0 when there is none.
DialogItemIndex ButtonTitled(DialogRef dialog, const std::string& title);

// The screen model's view of dialogs, installed with the first dialog.
void InstallModelView();

} // namespace platform::dialogs
