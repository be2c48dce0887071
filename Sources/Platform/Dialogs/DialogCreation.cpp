// A dialog's window and items, from a window template and the 'DITL' it names.
#include "Controls/Control.h"
#include "Controls/TemplateReader.h"
#include "Dialogs/Dialog.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "Support/BigEndian.h"
#include "Windows/Window.h"

#include <algorithm>
#include <memory>
#include <optional>

using namespace platform;
using platform::controls::TemplateReader;

namespace platform::dialogs {

namespace {

constexpr UInt16 kCenterMainScreen = 0x280A, kAlertPositionMainScreen = 0x300A;

struct ItemTemplate {
    Rect box{};
    UInt8 type = 0;
    std::string data;
};

// A 16-bit count less one, then each item: a 4-byte placeholder, its box, its type, its data
// as a length byte and bytes, padded to an even length.
std::optional<std::vector<ItemTemplate>> ReadItemList(SInt16 itemsID) {
    TemplateReader in(GetResource(FOUR_CHAR_CODE("DITL"), itemsID));
    SInt32 count = SInt32(in.Int16()) + 1;
    std::vector<ItemTemplate> items;
    for (SInt32 i = 0; i < count && in.Ok(); ++i) {
        ItemTemplate item;
        in.Skip(4);
        item.box = in.ReadRect();
        item.type = in.Byte();
        item.data = in.Pascal();
        in.AlignEven();
        items.push_back(item);
    }
    if (!in.Ok() || count < 1) return std::nullopt;
    return items;
}

SInt16 ResourceIDOf(const std::string& data) {
    return data.size() < 2 ? 0 : SInt16(Big16(reinterpret_cast<const UInt8*>(data.data())));
}

// Centred templates sit in the middle of the screen below the menu bar, alerts a third of the
// way down; both on the text grid.
Rect Placed(const WindowTemplate& window) {
    Rect bounds = window.bounds;
    if (window.placement != kCenterMainScreen && window.placement != kAlertPositionMainScreen)
        return bounds;
    Rect screen = (*GetMainDevice())->gdRect;
    SInt16 width = SInt16(bounds.right - bounds.left), height = SInt16(bounds.bottom - bounds.top);
    SInt16 below = SInt16(screen.bottom - kFontLineHeight - height);
    SInt16 top = SInt16(screen.top + kFontLineHeight +
                        std::max(0, below / (window.placement == kCenterMainScreen ? 2 : 3)));
    SInt16 left = SInt16(screen.left + std::max(0, (screen.right - screen.left - width) / 2));
    left = SInt16(left - left % kFontCharWidth);
    top = SInt16(top - top % kFontLineHeight);
    return Rect{top, left, SInt16(top + height), SInt16(left + width)};
}

// A control, a text handle or nothing, by the item's kind.
Handle ItemHandle(WindowRef window, const DialogItem& item, const std::string& data) {
    Str255 title;
    switch (KindOf(item)) {
    case ctrlItem + btnCtrl:
    case ctrlItem + chkCtrl:
    case ctrlItem + radCtrl:
        ToPascal(data, title);
        return reinterpret_cast<Handle>(NewControl(window, &item.box, title, true, 0, 0, 1,
                                                   SInt16(KindOf(item) - ctrlItem), 0));
    case ctrlItem + resCtrl:
        return reinterpret_cast<Handle>(
            controls::ControlFromResource(ResourceIDOf(data), window, item.box));
    case statText:
    case editText: {
        Handle text = NewHandle(0);
        SetHandleText(text, data);
        return text;
    }
    default:
        return nullptr;
    }
}

} // namespace

DialogRef CreateDialog(const WindowTemplate& window, WindowRef behind) {
    std::optional<std::vector<ItemTemplate>> items = ReadItemList(window.itemsID);
    if (!items) return nullptr;
    auto dialog = std::make_unique<OpaqueDialogPtr>();
    dialog->window = windows::CreateWindow(Placed(window), window.title, window.visible,
                                           window.closeBox, window.procID, behind);
    dialog->window->kind = kDialogWindowKind;
    dialog->window->refCon = window.refCon;
    dialog->window->dialog = dialog.get();
    for (const ItemTemplate& made : *items) {
        DialogItem item{DialogItemType(made.type), nullptr, made.box};
        item.handle = ItemHandle(dialog->window, item, made.data);
        dialog->items.push_back(item);
        if (!item.handle && (IsControlItem(item) || IsTextItem(item))) {
            DisposeDialog(dialog.release());
            return nullptr;
        }
    }
    auto field = std::find_if(dialog->items.begin(), dialog->items.end(),
                              [](const DialogItem& item) { return KindOf(item) == editText; });
    if (field != dialog->items.end())
        Focus(dialog.get(), DialogItemIndex(field - dialog->items.begin() + 1), 0, 32767);
    InstallModelView();
    return dialog.release();
}

} // namespace platform::dialogs
