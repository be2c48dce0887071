// The chooser's dialog: made from the system file, with a list in its user item; the folder
// shown, its rows and the name field.
#include "Navigation/Chooser.h"

#include "Dialogs/Dialog.h"
#include "Navigation/FolderRows.h"
#include "Windows/Window.h"

#include <algorithm>

namespace platform::navigation {

namespace {

constexpr SInt16 kOpenDialogID = -4001, kSaveDialogID = -4002;
constexpr SInt16 kScrollBarWidth = 15;
constexpr size_t kMostRows = 32767;

Rect ItemBox(DialogRef dialog, DialogItemIndex item) {
    return dialogs::ItemOf(dialog, item)->box;
}

void SetItemText(DialogRef dialog, DialogItemIndex item, const std::string& text) {
    dialogs::SetHandleText(dialogs::ItemOf(dialog, item)->handle, text);
    windows::ModelChanged();
}

Chooser* ChooserOf(DialogRef dialog) {
    return reinterpret_cast<Chooser*>(GetWRefCon(GetDialogWindow(dialog)));
}

} // namespace

Chooser::Chooser(ChooserSetup setup) : setup_(std::move(setup)) {
    SInt16 dialogID = setup_.kind == ChooserKind::Open ? kOpenDialogID : kSaveDialogID;
    dialog_ = GetNewDialog(dialogID, nullptr, reinterpret_cast<WindowRef>(-1));
    if (!dialog_) return;
    SetWRefCon(Window(), reinterpret_cast<SRefCon>(this));
    if (!setup_.title.empty()) Window()->title = setup_.title;
    SetDialogDefaultItem(dialog_, kConfirmItem);
    SetDialogCancelItem(dialog_, kCancelItem);
    // The list leaves room for its scroll bar inside the item, and the item draws the list.
    Rect box = ItemBox(dialog_, kListItem), view = box;
    view.right = SInt16(view.right - kScrollBarWidth);
    ListBounds data{0, 0, 0, 1};
    list_ = LNew(&view, &data, Point{0, 0}, 0, Window(), true, false, false, true);
    SetListSelectionFlags(list_, lOnlyOne);
    SetDialogItem(dialog_, kListItem, userItem | itemDisable,
                  reinterpret_cast<Handle>(&Chooser::DrawList), &box);
    Show(StartFolder(setup_.folder));
    SetField(setup_.name);
}

Chooser::~Chooser() {
    if (!dialog_) return;
    LDispose(list_);
    DisposeDialog(dialog_);
}

void Chooser::DrawList(DialogRef dialog, DialogItemIndex item) {
    Rect box = ItemBox(dialog, item);
    RgnHandle area = NewRgn();
    RectRgn(area, &box);
    LUpdate(area, ChooserOf(dialog)->list_);
    DisposeRgn(area);
}

Boolean Chooser::Filter(DialogRef dialog, EventRecord* event, DialogItemIndex* itemHit) {
    return ChooserOf(dialog)->FilterEvent(*event, itemHit);
}

// Hangs from the parent's title bar, centred on it: the sheet's own title bar covers the top
// of the parent's content.
void Chooser::AttachTo(WindowRef parent) {
    parent_ = parent;
    Rect under = windows::ContentBounds(parent), own = windows::ContentBounds(Window());
    SInt32 left = under.left + ((under.right - under.left) - (own.right - own.left)) / 2;
    left = std::max<SInt32>(0, left - left % kFontCharWidth);
    MoveWindow(Window(), SInt16(left), SInt16(under.top + kTitleBarHeight), true);
}

void Chooser::BringToFront() {
    if (parent_) SelectWindow(parent_);
    SelectWindow(Window());
}

void Chooser::Show(const std::string& folder) {
    folder_ = folder;
    result_.folder = folder;
    rows_ = FolderRows(folder, setup_.types);
    rows_.resize(std::min(rows_.size(), kMostRows));
    LSetDrawingMode(false, list_);
    LDelRow(0, 0, list_);
    LAddRow(SInt16(rows_.size()), 0, list_);
    for (size_t row = 0; row < rows_.size(); ++row)
        LSetCell(rows_[row].data(), SInt16(rows_[row].size()), Cell{SInt16(row), 0}, list_);
    LSetDrawingMode(true, list_);
    SetItemText(dialog_, kFolderItem, "In: " + folder);
}

void Chooser::SetField(const std::string& text) {
    SetItemText(dialog_, kNameItem, text);
    SelectDialogItemText(dialog_, kNameItem, 0, 32767);
}

std::string Chooser::FieldText() const {
    return dialogs::HandleText(dialogs::ItemOf(dialog_, kNameItem)->handle);
}

std::optional<std::string> Chooser::SelectedRow() const {
    Cell cell{0, 0};
    if (!LGetSelect(true, &cell, list_)) return std::nullopt;
    return rows_[size_t(cell.v)];
}

} // namespace platform::navigation
