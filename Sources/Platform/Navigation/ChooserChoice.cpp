// What the chooser does with the user's answer: the name field's text is a path, absolute or
// relative to the folder shown. A folder is entered; the open chooser takes an existing file of
// a type it offers, the save chooser a valid new name in an existing folder, asking before it
// replaces a file. Anything else beeps and selects the field's text.
#include "Navigation/Chooser.h"

#include "Dialogs/Dialog.h"
#include "Files/Location.h"
#include "Files/NodeTable.h"
#include "Navigation/FolderRows.h"
#include "Navigation/ReplaceQuestion.h"
#include "Unicode/UnicodeConversion.h"

namespace platform::navigation {

namespace {

constexpr size_t kLongestName = 255;

// A name the File Manager can hand back as Unicode: valid UTF-8, and no sidecar's.
bool IsGoodNewName(const std::string& name) {
    return files::IsValidLeafName(name) && name.size() <= kLongestName && Utf8ToUtf16(name);
}

// A name longer than a file name may be is cut, as the save panel cuts it, to its first 255
// UTF-16 units, and further, a whole character at a time, until the file system can hold its
// UTF-8 bytes. A name that is not UTF-8 is left for the checks to refuse.
std::string CutToLongestName(const std::string& name) {
    size_t bytes = 0, units = 0;
    while (bytes < name.size()) {
        const unsigned char lead = static_cast<unsigned char>(name[bytes]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const size_t characterUnits = length == 4 ? 2 : 1;
        if (bytes + length > kLongestName || units + characterUnits > kLongestName) break;
        bytes += length;
        units += characterUnits;
    }
    return bytes < name.size() ? name.substr(0, bytes) : name;
}

ControlRef ControlOfItem(DialogRef dialog, DialogItemIndex item) {
    return dialogs::ControlOf(*dialogs::ItemOf(dialog, item));
}

} // namespace

void Chooser::Act(DialogItemIndex item) {
    if (finished_) return;
    if (item == kConfirmItem) Confirm(FieldText());
    if (item == kCancelItem) End();
    if (item == kListItem) {
        if (std::optional<std::string> row = SelectedRow()) Confirm(*row);
    }
    if (item == kStationeryItem && setup_.kind == ChooserKind::Save) {
        ControlRef box = ControlOfItem(dialog_, kStationeryItem);
        SetControlValue(box, GetControlValue(box) ? 0 : 1);
    }
}

void Chooser::Confirm(const std::string& typed) {
    std::string path = ResolveTyped(folder_, typed);
    if (IsFolder(path)) {
        bool chooseShown = setup_.kind == ChooserKind::Open && setup_.canChooseFolders;
        if (chooseShown && path == folder_) return Finish(path);
        Show(path);
        SetField(setup_.kind == ChooserKind::Save ? setup_.name : "");
        return;
    }
    bool wantsFolder = typed.ends_with('/');
    bool taken =
        !wantsFolder && (setup_.kind == ChooserKind::Open ? ChooseFile(path) : ChooseNewName(path));
    if (taken) return;
    SysBeep(1);
    SelectDialogItemText(dialog_, kNameItem, 0, 32767); // so that typing starts afresh
}

// Sidecars are never listed, nor chosen by typing their names.
bool Chooser::ChooseFile(const std::string& path) {
    bool offered = setup_.canChooseFiles && files::IsValidLeafName(files::LeafName(path)) &&
                   Exists(path) && OfferedType(path, setup_.types);
    if (offered) Finish(path);
    return offered;
}

// Declining to replace is an answer too: the chooser stays, with the name selected.
bool Chooser::ChooseNewName(const std::string& typedPath) {
    const std::string parent = files::ParentPath(typedPath);
    const std::string path =
        (parent == "/" ? "" : parent) + "/" + CutToLongestName(files::LeafName(typedPath));
    if (!IsFolder(files::ParentPath(path)) || !IsGoodNewName(files::LeafName(path))) return false;
    bool replacing = Exists(path);
    if (replacing && !AskToReplace(files::LeafName(path))) {
        SelectDialogItemText(dialog_, kNameItem, 0, 32767);
        return true;
    }
    result_.replacing = replacing;
    Finish(path);
    return true;
}

void Chooser::Finish(const std::string& path) {
    finished_ = true;
    result_.confirmed = true;
    result_.path = path;
    result_.name = files::LeafName(path);
    result_.stationery = setup_.kind == ChooserKind::Save &&
                         GetControlValue(ControlOfItem(dialog_, kStationeryItem)) != 0;
}

} // namespace platform::navigation
