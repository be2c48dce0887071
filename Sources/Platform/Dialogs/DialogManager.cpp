// Dialogs: making them from 'DLOG' templates, disposing of them, drawing them, and finding
// their items.
#include "Controls/Control.h"
#include "Controls/TemplateReader.h"
#include "Dialogs/Dialog.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "QuickDraw/PortScope.h"
#include "Windows/Window.h"

#include <optional>

using namespace platform;
using namespace platform::dialogs;

namespace {

// Bounds, procID, visible, close box, refCon, item list ID, title and, after the title padded
// to an even length, the placement when the template has one.
std::optional<WindowTemplate> ReadDialogTemplate(SInt16 dialogID) {
    controls::TemplateReader in(GetResource(FOUR_CHAR_CODE("DLOG"), dialogID));
    WindowTemplate window;
    window.bounds = in.ReadRect();
    window.procID = in.Int16();
    window.visible = in.Byte() != 0;
    in.Skip(1);
    window.closeBox = in.Byte() != 0;
    in.Skip(1);
    window.refCon = in.Int32();
    window.itemsID = in.Int16();
    window.title = in.Pascal();
    in.AlignEven();
    if (!in.Ok()) return std::nullopt;
    if (!in.AtEnd()) window.placement = UInt16(in.Int16());
    return window;
}

} // namespace

namespace platform::dialogs {

DialogItem* ItemOf(DialogRef dialog, DialogItemIndex item) {
    if (!dialog || item < 1 || size_t(item) > dialog->items.size()) return nullptr;
    return &dialog->items[size_t(item - 1)];
}

bool IsActiveItem(DialogRef dialog, DialogItemIndex item) {
    const DialogItem* found = ItemOf(dialog, item);
    if (!found || !IsEnabled(*found)) return false;
    return !IsControlItem(*found) || controls::IsActive(ControlOf(*found));
}

DialogItemIndex ItemAt(DialogRef dialog, Point local) {
    for (size_t i = 0; i < dialog->items.size(); ++i)
        if (PtInRect(local, &dialog->items[i].box)) return DialogItemIndex(i + 1);
    return 0;
}

DialogRef FrontDialog() {
    WindowRef front = FrontWindow();
    return front ? front->dialog : nullptr;
}

Point LocalPoint(DialogRef dialog, Point global) {
    return quickdraw::LocalOf(dialog->window->port, global);
}

void Reset() {
    for (WindowRef window : std::vector<WindowRef>(windows::WindowList()))
        if (window->dialog) DisposeDialog(window->dialog);
}

} // namespace platform::dialogs

DialogRef GetNewDialog(SInt16 dialogID, void*, WindowRef behind) {
    std::optional<WindowTemplate> window = ReadDialogTemplate(dialogID);
    DialogRef dialog = window ? CreateDialog(*window, behind) : nullptr;
    if (dialog) dialog->dialogID = dialogID;
    return dialog;
}

void DisposeDialog(DialogRef theDialog) {
    if (!theDialog) return;
    for (const DialogItem& item : theDialog->items)
        if (IsTextItem(item)) DisposeHandle(item.handle);
    KillControls(theDialog->window);
    theDialog->window->dialog = nullptr;
    DisposeWindow(theDialog->window);
    delete theDialog;
}

WindowRef GetDialogWindow(DialogRef dialog) {
    return dialog ? dialog->window : nullptr;
}

DialogRef GetDialogFromWindow(WindowRef window) {
    return windows::IsWindow(window) ? window->dialog : nullptr;
}

CGrafPtr GetDialogPort(DialogRef dialog) {
    return dialog ? &dialog->window->port : nullptr;
}

// Controls and texts are shown from the model; user items draw themselves, into the dialog's
// port.
void DrawDialog(DialogRef theDialog) {
    quickdraw::PortScope port(GetDialogPort(theDialog));
    for (size_t i = 0; i < theDialog->items.size(); ++i) {
        const DialogItem& item = theDialog->items[i];
        if (KindOf(item) == userItem && item.handle)
            InvokeUserItemUPP(theDialog, DialogItemIndex(i + 1),
                              reinterpret_cast<UserItemUPP>(item.handle));
    }
    windows::ModelChanged();
}
