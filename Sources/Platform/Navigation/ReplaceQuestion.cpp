// A dialog of the system file shown as a caution alert, with its text written in directly so
// that the application's ParamText parameters stay as they are.
#include "Navigation/ReplaceQuestion.h"

#include "Dialogs/Dialog.h"
#include "Windows/Window.h"

namespace platform::navigation {

namespace {

constexpr SInt16 kReplaceDialogID = -4003;
constexpr DialogItemIndex kReplaceItem = 1, kKeepItem = 2, kQuestionItem = 3;

} // namespace

bool AskToReplace(const std::string& name) {
    DialogRef alert = GetNewDialog(kReplaceDialogID, nullptr, reinterpret_cast<WindowRef>(-1));
    if (!alert) return false;
    alert->alert = AlertKind::Caution;
    SetDialogDefaultItem(alert, kKeepItem);
    SetDialogCancelItem(alert, kKeepItem);
    const std::string question = "\xE2\x80\x9C" + name +
                                 "\xE2\x80\x9D already exists. Do you want to replace it? Its "
                                 "contents will be lost.";
    dialogs::SetHandleText(dialogs::ItemOf(alert, kQuestionItem)->handle, question);
    windows::ModelChanged();
    DialogItemIndex answer = dialogs::RunModal(alert, nullptr);
    DisposeDialog(alert);
    return answer == kReplaceItem;
}

} // namespace platform::navigation
