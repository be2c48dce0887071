// Alerts from 'ALRT' templates, and the parameters that their static texts show.
#include "Controls/Control.h"
#include "Controls/TemplateReader.h"
#include "Dialogs/Dialog.h"
#include "Platform/Resources.h"

#include <algorithm>
#include <array>
#include <optional>

using namespace platform;
using namespace platform::dialogs;

namespace {

constexpr SInt16 kAlertProcID = 1; // a plain modal frame

std::array<std::string, 4>& Parameters() {
    static std::array<std::string, 4> parameters;
    return parameters;
}

struct AlertTemplate {
    WindowTemplate window;
    DialogItemIndex defaultItem = 1;
    int beeps = 0;
};

// Bounds, item list ID, the four stages (the first in the low four bits: bit 3 makes item 2
// the default, bits 0-1 count the beeps) and, when present, the placement.
std::optional<AlertTemplate> ReadAlertTemplate(SInt16 alertID) {
    controls::TemplateReader in(GetResource(FOUR_CHAR_CODE("ALRT"), alertID));
    AlertTemplate alert;
    alert.window.bounds = in.ReadRect();
    alert.window.itemsID = in.Int16();
    UInt16 firstStage = UInt16(in.Int16()) & 0xF;
    if (!in.Ok()) return std::nullopt;
    if (!in.AtEnd()) alert.window.placement = UInt16(in.Int16());
    alert.window.procID = kAlertProcID;
    alert.defaultItem = firstStage & 8 ? 2 : 1;
    alert.beeps = firstStage & 3;
    return alert;
}

bool IsButton(const DialogItem& item) {
    return IsControlItem(item) && controls::KindOf(ControlOf(item)) == controls::Kind::Button;
}

// Escape means "don't": the button named Cancel; else item 2 when it is a button other than
// the default, as alerts are laid out; else the only button there is.
DialogItemIndex CancelButton(DialogRef alert) {
    std::vector<DialogItemIndex> buttons;
    for (size_t i = 0; i < alert->items.size(); ++i)
        if (IsButton(alert->items[i])) buttons.push_back(DialogItemIndex(i + 1));
    if (DialogItemIndex cancel = ButtonTitled(alert, "Cancel")) return cancel;
    bool secondIsOther =
        alert->defaultItem != 2 && std::find(buttons.begin(), buttons.end(), 2) != buttons.end();
    if (secondIsOther) return 2;
    return buttons.size() == 1 ? buttons.front() : 0;
}

DialogItemIndex RunAlert(SInt16 alertID, ModalFilterUPP filter, AlertKind kind) {
    std::optional<AlertTemplate> found = ReadAlertTemplate(alertID);
    DialogRef alert =
        found ? CreateDialog(found->window, reinterpret_cast<WindowRef>(-1)) : nullptr;
    if (!alert) return -1;
    alert->alert = kind;
    alert->alertID = alertID;
    alert->defaultItem = found->defaultItem;
    alert->cancelItem = CancelButton(alert);
    for (int beep = 0; beep < found->beeps; ++beep)
        SysBeep(1);
    DialogItemIndex item = RunModal(alert, filter);
    DisposeDialog(alert);
    return item;
}

} // namespace

namespace platform::dialogs {

DialogItemIndex ButtonTitled(DialogRef dialog, const std::string& title) {
    for (size_t i = 0; i < dialog->items.size(); ++i)
        if (IsButton(dialog->items[i]) && ControlOf(dialog->items[i])->title == title)
            return DialogItemIndex(i + 1);
    return 0;
}

std::string ShownText(std::string_view text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        bool parameter =
            text[i] == '^' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '3';
        if (parameter)
            shown += Parameters()[size_t(text[++i] - '0')];
        else
            shown += text[i];
    }
    return shown;
}

} // namespace platform::dialogs

void ParamText(ConstStr255Param param0, ConstStr255Param param1, ConstStr255Param param2,
               ConstStr255Param param3) {
    const ConstStr255Param given[] = {param0, param1, param2, param3};
    for (size_t i = 0; i < 4; ++i)
        if (given[i]) Parameters()[i] = FromPascal(given[i]);
}

DialogItemIndex Alert(SInt16 alertID, ModalFilterUPP modalFilter) {
    return RunAlert(alertID, modalFilter, AlertKind::Plain);
}

DialogItemIndex StopAlert(SInt16 alertID, ModalFilterUPP modalFilter) {
    return RunAlert(alertID, modalFilter, AlertKind::Stop);
}

DialogItemIndex CautionAlert(SInt16 alertID, ModalFilterUPP modalFilter) {
    return RunAlert(alertID, modalFilter, AlertKind::Caution);
}
