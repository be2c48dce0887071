// Menus from 'MENU' resources: the menu ID, room for the size and the definition, the enable
// flags (bit 0 the title, bit n item n), the title, then per item its text, icon, key, mark
// and style, up to an empty text.
#include "Controls/TemplateReader.h"
#include "Menus/Menu.h"
#include "Platform/Resources.h"

#include <cctype>

using namespace platform;
using namespace platform::menus;

namespace {

constexpr ResType kMenuType = FOUR_CHAR_CODE("MENU");
constexpr size_t kSizeAndDefinitionBytes = 8;
// Items past the last enable flag are always enabled.
constexpr size_t kItemsWithEnableFlag = 31;

bool FlagSet(UInt32 flags, size_t bit) {
    return bit > kItemsWithEnableFlag || (flags >> bit) & 1;
}

std::vector<MenuItem> ReadItems(controls::TemplateReader& in, UInt32 enableFlags) {
    std::vector<MenuItem> items;
    for (std::string text = in.Pascal(); in.Ok() && !text.empty(); text = in.Pascal()) {
        in.Skip(1); // icon
        UInt8 key = UInt8(std::toupper(in.Byte()));
        in.Skip(2); // mark and style
        items.push_back(MenuItem{text, FlagSet(enableFlags, items.size() + 1), key, 0});
    }
    return items;
}

} // namespace

MenuRef GetMenu(SInt16 resourceID) {
    controls::TemplateReader in(GetResource(kMenuType, resourceID));
    OpaqueMenuRef menu;
    menu.id = in.Int16();
    in.Skip(kSizeAndDefinitionBytes);
    UInt32 enableFlags = UInt32(in.Int32());
    menu.title = in.Pascal();
    menu.titleEnabled = FlagSet(enableFlags, 0);
    menu.items = ReadItems(in, enableFlags);
    return in.Ok() ? MakeMenu(std::move(menu)) : nullptr;
}
