#include "Korvane/ListDialog/StatusLine.h"

#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/Globals.h"
#include "Platform/Dialogs.h"
#include "Platform/Resources.h"

#include <string>

namespace {

constexpr short kStatusStrings = 134;
enum : short { kSelected = 1, kOneAccount, kAccounts, kPage, kNotSaved, kSaved };

// String `index` of the list with ^0 and ^1 put in.
std::string Part(short index, const std::string& first = "", const std::string& second = "") {
    Str255 text;
    GetIndString(text, kStatusStrings, index);
    std::string part(reinterpret_cast<const char*>(text + 1), text[0]);
    for (const auto& [mark, value] : {std::pair{"^0", first}, std::pair{"^1", second}})
        if (const size_t at = part.find(mark); at != std::string::npos) part.replace(at, 2, value);
    return part;
}

std::string SelectedLogin(const GlueRec* context) {
    short row;
    if (!JASelectedRow(context, &row)) return "";
    const SettingPrivateRec* setting = context->settingPrivate;
    const JASetting& entry = setting->entries->records[JARecordIndexOfRow(setting, row)];
    const SInt16 shown = JABytesOfFirstCharacters(entry.loginName + 1, entry.loginName[0],
                                                  kJAShownUserNameCharacters);
    return std::string(reinterpret_cast<const char*>(entry.loginName + 1), size_t(shown));
}

std::string StatusText(const GlueRec* context) {
    const SettingPrivateRec* setting = context->settingPrivate;
    const SInt16 count = setting->entries->entryCount;
    const std::string login = SelectedLogin(context);
    std::string text = login.empty() ? "" : Part(kSelected, login) + ", ";
    text += count == 1 ? Part(kOneAccount) : Part(kAccounts, std::to_string(count));
    const SInt16 page =
        SInt16((setting->firstShown > 0 ? setting->firstShown - 1 : 0) / kJAEntriesPerPage + 1);
    text += ", " + Part(kPage, std::to_string(page), std::to_string(JAPageCount(count)));
    if (SAVE_BUTTON_Flag)
        text += ", " + Part(kNotSaved);
    else if (setting->savedThisRun)
        text += ", " + Part(kSaved);
    return text;
}

} // namespace

void ShowJAStatusLine(GlueRec* context) {
    if (context->settingPrivate == nullptr || context->jobAccountDialog == nullptr) return;
    DialogItemType type;
    Handle item;
    Rect box;
    GetDialogItem(context->jobAccountDialog, kJAItemStatus, &type, &item, &box);
    if (item == nullptr) return;
    Str255 shown, wanted;
    GetDialogItemText(item, shown);
    const std::string text = StatusText(context).substr(0, 255);
    wanted[0] = UInt8(text.size());
    text.copy(reinterpret_cast<char*>(wanted + 1), text.size());
    if (shown[0] != wanted[0] || !std::equal(shown + 1, shown + 1 + shown[0], wanted + 1))
        SetDialogItemText(item, wanted);
}
