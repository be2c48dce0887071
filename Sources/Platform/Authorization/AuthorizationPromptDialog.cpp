// The platform's administrator prompt: a modal dialog from the system file naming the account
// whose password is checked, with that name in the name field, selected so that typing replaces
// it, and a password that is never shown: the field holds a bullet for each character, and the
// characters themselves only this prompt's memory. Asked again after a wrong password, it says
// so and waits in the emptied password field, where a person retyping it would type anyway.
#include "Authorization/AuthorizationPrompt.h"

#include "Dialogs/Dialog.h"
#include "Platform/Dialogs.h"
#include "Platform/TextUtils.h"
#include "Support/PascalText.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

using namespace dialogs;

constexpr SInt16 kPromptDialogID = -4000;
constexpr DialogItemIndex kOKItem = 1, kCancelItem = 2, kRightItem = 4, kNameItem = 6,
                          kPasswordItem = 8, kAccountItem = 9, kAgainItem = 10;
constexpr const char* kBullet = "\xE2\x80\xA2";
constexpr size_t kMostBullets = 255 / 3;

class PromptDialog {
  public:
    PromptDialog() : dialog_(GetNewDialog(kPromptDialogID, nullptr, WindowRef(-1))) {
        if (dialog_) dialog_->concealedField = kPasswordItem;
    }
    ~PromptDialog() { DisposeDialog(dialog_); }
    PromptDialog(const PromptDialog&) = delete;
    PromptDialog& operator=(const PromptDialog&) = delete;

    DialogRef get() const { return dialog_; }

    void SetText(DialogItemIndex item, const std::string& text) const {
        Str255 pascal;
        CopyCStringToPascal(text.c_str(), pascal);
        SetDialogItemText(Item(item), pascal);
    }

    std::string Text(DialogItemIndex item) const {
        Str255 pascal;
        GetDialogItemText(Item(item), pascal);
        return FromPascal(pascal);
    }

  private:
    Handle Item(DialogItemIndex item) const {
        DialogItemType type;
        Handle handle;
        Rect box;
        GetDialogItem(dialog_, item, &type, &handle, &box);
        return handle;
    }

    DialogRef dialog_;
};

class PasswordField {
  public:
    // Room enough that typing never moves the secret, leaving a copy behind.
    explicit PasswordField(const PromptDialog& prompt) : prompt_(prompt) { secret_.reserve(256); }
    ~PasswordField() { explicit_bzero(secret_.data(), secret_.size()); }
    PasswordField(const PasswordField&) = delete;
    PasswordField& operator=(const PasswordField&) = delete;

    // Takes a key typed into the field; false leaves it to the dialog (moving between fields,
    // OK, Cancel, menu keys). Bullets all selected, as Tab leaves them, are replaced.
    bool Take(UInt8 charCode, EventModifiers modifiers) {
        bool leftToDialog = (modifiers & cmdKey) || dialogs::IsSelectAllKey(charCode, modifiers) ||
                            charCode == kTabCharCode || charCode == kReturnCharCode ||
                            charCode == kEnterCharCode || charCode == kEscapeCharCode;
        if (leftToDialog) return false;
        bool edits =
            charCode == kBackspaceCharCode || charCode == kDeleteCharCode || charCode >= ' ';
        if (edits && WhollySelected()) secret_.clear();
        if (charCode == kBackspaceCharCode || charCode == kDeleteCharCode) {
            if (!secret_.empty()) secret_.pop_back();
        } else if (charCode >= ' ') {
            secret_ += char(charCode);
        }
        ShowBullets();
        return true;
    }

    std::string TakeSecret() { return std::move(secret_); }

  private:
    bool WhollySelected() const {
        std::string shown = prompt_.Text(kPasswordItem);
        return !shown.empty() && SelectedText(prompt_.get()) == shown;
    }

    void ShowBullets() {
        std::string bullets;
        for (size_t i = 0; i < std::min(secret_.size(), kMostBullets); ++i)
            bullets += kBullet;
        prompt_.SetText(kPasswordItem, bullets);
    }

    const PromptDialog& prompt_;
    std::string secret_;
};

Boolean PasswordFilter(DialogRef dialog, EventRecord* event, DialogItemIndex* itemHit) {
    bool key = event->what == keyDown || event->what == autoKey;
    if (!key || GetDialogKeyboardFocusItem(dialog) != kPasswordItem) return false;
    auto* password = reinterpret_cast<PasswordField*>(GetWRefCon(GetDialogWindow(dialog)));
    if (!password->Take(UInt8(event->message & charCodeMask), event->modifiers)) return false;
    *itemHit = 0;
    return true;
}

} // namespace

// Without the dialog's resources nobody can answer: the request is cancelled.
std::optional<AdministratorCredentials> AskWithPromptDialog(const AdministratorQuestion& question) {
    PromptDialog prompt;
    DialogRef dialog = prompt.get();
    if (!dialog) return std::nullopt;
    PasswordField password(prompt);
    SetWRefCon(GetDialogWindow(dialog), reinterpret_cast<SRefCon>(&password));
    SetDialogDefaultItem(dialog, kOKItem);
    SetDialogCancelItem(dialog, kCancelItem);
    prompt.SetText(kRightItem, "Right: " + question.right);
    prompt.SetText(kAccountItem, "Password for " + question.account);
    prompt.SetText(kNameItem, question.account);
    if (question.again) prompt.SetText(kAgainItem, "Sorry, try again.");
    SelectDialogItemText(dialog, question.again ? kPasswordItem : kNameItem, 0, 32767);
    DialogItemIndex item = 0;
    while (item != kOKItem && item != kCancelItem)
        ModalDialog(PasswordFilter, &item);
    if (item == kCancelItem) return std::nullopt;
    return AdministratorCredentials{prompt.Text(kNameItem), password.TakeSecret()};
}

} // namespace platform
