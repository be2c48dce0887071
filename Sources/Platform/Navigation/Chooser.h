// The file chooser behind Navigation Services and the object layer's panels: a dialog from the
// system file listing one folder, with a name field whose text is a path. It runs either
// application-modally or as a sheet whose events the event retrieval hands to it.
#pragma once

#include "Platform/Dialogs.h"
#include "Platform/Lists.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform::navigation {

enum class ChooserKind { Open, Save };

// Items of both chooser dialogs; the stationery checkbox is the save chooser's only.
constexpr DialogItemIndex kConfirmItem = 1, kCancelItem = 2, kNameItem = 3, kFolderItem = 4,
                          kListItem = 5, kStationeryItem = 7;

struct ChooserSetup {
    ChooserKind kind = ChooserKind::Open;
    std::string folder;         // where it starts; empty or missing: the home folder
    std::string name;           // Save: the name proposed
    std::string title;          // empty keeps the dialog's own
    std::vector<OSType> types;  // Open: the only file types listed and chosen; empty for all
    bool canChooseFiles = true; // Open
    // Open: confirming the folder shown (an empty field, or ".") chooses it.
    bool canChooseFolders = false;
};

struct ChooserResult {
    bool confirmed = false;
    std::string folder; // the folder shown last
    std::string path;   // the item chosen: Open an existing one, Save folder and name
    std::string name;   // its name
    bool replacing = false;
    bool stationery = false;
};

class Chooser {
  public:
    // Other windows' update and activate events while the chooser runs modally.
    using OtherWindowEvents = std::function<void(EventRecord& event)>;

    // Opens the dialog in front of every window; Opened() is false when the system file lacks
    // it.
    explicit Chooser(ChooserSetup setup);
    ~Chooser();
    Chooser(const Chooser&) = delete;
    Chooser& operator=(const Chooser&) = delete;

    bool Opened() const { return dialog_ != nullptr; }
    WindowRef Window() const { return GetDialogWindow(dialog_); }
    bool Finished() const { return finished_; }
    const ChooserResult& Result() const { return result_; }

    // Runs in a modal loop until the user confirms or cancels.
    const ChooserResult& RunModal(OtherWindowEvents others);
    // Turns the chooser into a sheet on parent: attached to its top and in front of it.
    void AttachTo(WindowRef parent);
    // An event aimed at the sheet, or at its parent, which the sheet blocks; true when the
    // sheet used it up.
    bool TakeSheetEvent(const EventRecord& event);
    // Ends it as cancelled, whoever asks.
    void End();

  private:
    static Boolean Filter(DialogRef dialog, EventRecord* event, DialogItemIndex* itemHit);
    static void DrawList(DialogRef dialog, DialogItemIndex item);
    bool FilterEvent(EventRecord& event, DialogItemIndex* itemHit);
    DialogItemIndex ItemOfEvent(EventRecord& event);
    bool InList(const EventRecord& event) const;
    bool ClickList(const EventRecord& event);
    void BringToFront();

    void Act(DialogItemIndex item);
    void Confirm(const std::string& typed);
    bool ChooseFile(const std::string& path);
    bool ChooseNewName(const std::string& path);
    void Finish(const std::string& path);

    void Show(const std::string& folder);
    void SetField(const std::string& text);
    std::string FieldText() const;
    std::optional<std::string> SelectedRow() const;

    ChooserSetup setup_;
    DialogRef dialog_ = nullptr;
    ListHandle list_ = nullptr;
    std::string folder_;
    std::vector<std::string> rows_;
    WindowRef parent_ = nullptr;
    OtherWindowEvents others_;
    bool finished_ = false;
    ChooserResult result_;
};

} // namespace platform::navigation
