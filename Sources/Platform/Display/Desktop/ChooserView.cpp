#include "Display/Desktop/ChooserView.h"

namespace platform::display::gtk {

namespace {

// The system file's chooser dialogs, the items they share, and the replace question.
constexpr SInt16 kOpenChooserID = -4001, kSaveChooserID = -4002, kReplaceQuestionID = -4003;
constexpr DialogItemIndex kNameItem = 3, kFolderItem = 4, kReplaceItem = 1;
constexpr const char* kFolderPrefix = "In: ";

std::string FolderShown(const WindowSnapshot& window) {
    const ItemSnapshot* item = window.dialog.Item(kFolderItem);
    if (!item || !item->text.starts_with(kFolderPrefix)) return "";
    return item->text.substr(std::string(kFolderPrefix).size());
}

} // namespace

bool IsChooser(const WindowSnapshot& window) {
    return window.isDialog &&
           (window.dialog.dialogID == kOpenChooserID || window.dialog.dialogID == kSaveChooserID);
}

bool IsReplaceQuestion(const WindowSnapshot& window) {
    return window.isDialog && window.dialog.dialogID == kReplaceQuestionID;
}

ChooserView::ChooserView(ModelInput& input, const WindowSnapshot& window)
    : input_(input), model_(window) {}

ChooserView::~ChooserView() {
    if (dialog_) {
        g_signal_handlers_disconnect_by_data(dialog_, this);
        gtk_native_dialog_destroy(GTK_NATIVE_DIALOG(dialog_));
        g_object_unref(dialog_);
    }
}

void ChooserView::Show(const WindowSnapshot& window, bool front, GtkWindow* parent) {
    model_ = window;
    if (dialog_ || !front) return;
    const bool saving = window.dialog.dialogID == kSaveChooserID;
    dialog_ = gtk_file_chooser_native_new(
        window.title.c_str(), parent,
        saving ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, nullptr, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog_);
    const std::string folder = FolderShown(window);
    if (!folder.empty()) {
        GFile* start = g_file_new_for_path(folder.c_str());
        gtk_file_chooser_set_current_folder(chooser, start, nullptr);
        g_object_unref(start);
    }
    const ItemSnapshot* name = window.dialog.Item(kNameItem);
    if (saving && name) gtk_file_chooser_set_current_name(chooser, name->text.c_str());
    gtk_native_dialog_set_modal(GTK_NATIVE_DIALOG(dialog_), TRUE);
    g_signal_connect(dialog_, "response",
                     G_CALLBACK(+[](GtkNativeDialog*, int response, ChooserView* view) {
                         view->Answered(response);
                     }),
                     this);
    gtk_native_dialog_show(GTK_NATIVE_DIALOG(dialog_));
}

void ChooserView::Answered(int response) {
    GFile* chosen = response == GTK_RESPONSE_ACCEPT
                        ? gtk_file_chooser_get_file(GTK_FILE_CHOOSER(dialog_))
                        : nullptr;
    char* path = chosen ? g_file_get_path(chosen) : nullptr;
    const ItemSnapshot* name = model_.dialog.Item(kNameItem);
    if (path && name) {
        replaceAgreed_ =
            model_.dialog.dialogID == kSaveChooserID && g_file_query_exists(chosen, nullptr);
        input_.TypeIntoField(model_, *name, path);
        input_.Key(kReturnCharCode);
    } else {
        input_.Key(kEscapeCharCode);
    }
    g_free(path);
    if (chosen) g_object_unref(chosen);
    // Made anew should the model's chooser stay (a name it refused), so that the person can
    // choose again.
    g_signal_handlers_disconnect_by_data(dialog_, this);
    g_object_unref(dialog_);
    dialog_ = nullptr;
}

bool ChooserView::AnswerReplaceQuestion(const WindowSnapshot& question) {
    const ItemSnapshot* replace = question.dialog.Item(kReplaceItem);
    if (!replaceAgreed_ || !replace) return false;
    replaceAgreed_ = false;
    input_.Click(CentreOf(replace->box));
    return true;
}

} // namespace platform::display::gtk
