// Where titles and items lie: the titles side by side on the top text row with a space between,
// each menu under its title, one text row per item, wide enough for its longest item and, when
// any item has one, a column for the key equivalents.
#include "Menus/Menu.h"

#include <algorithm>

namespace platform::menus {

namespace {

constexpr SInt16 kMarginChars = 1;    // left and right of the items
constexpr SInt16 kKeyColumnChars = 4; // two spaces, the Command sign and the key

SInt16 MenuWidthChars(MenuRef menu) {
    SInt16 widest = 0;
    bool anyKey = false;
    for (const MenuItem& item : menu->items) {
        widest = std::max(widest, TextWidth(item.text));
        anyKey = anyKey || item.key;
    }
    SInt16 width = SInt16(widest + 2 * kMarginChars + (anyKey ? kKeyColumnChars : 0));
    return std::max(width, TextWidth(menu->title));
}

} // namespace

SInt16 TextWidth(const std::string& text) {
    return SInt16(
        std::count_if(text.begin(), text.end(), [](char c) { return (UInt8(c) & 0xC0) != 0x80; }));
}

Rect TitleBounds(MenuRef menu) {
    SInt16 left = 0;
    for (MenuRef candidate : Bar()) {
        SInt16 right = SInt16(left + TextWidth(candidate->title) * kFontCharWidth);
        if (candidate == menu) return Rect{0, left, kFontLineHeight, right};
        left = SInt16(right + kFontCharWidth);
    }
    return Rect{};
}

Rect ItemBounds(MenuRef menu, MenuItemIndex item) {
    SInt16 left = TitleBounds(menu).left;
    SInt16 top = SInt16(item * kFontLineHeight);
    return Rect{top, left, SInt16(top + kFontLineHeight),
                SInt16(left + MenuWidthChars(menu) * kFontCharWidth)};
}

MenuRef MenuOfTitleAt(Point where) {
    for (MenuRef menu : Bar())
        if (Rect title = TitleBounds(menu); PtInRect(where, &title)) return menu;
    return nullptr;
}

MenuItemIndex ItemAt(MenuRef menu, Point where) {
    if (where.v < kFontLineHeight) return 0;
    MenuItemIndex item = MenuItemIndex(where.v / kFontLineHeight);
    Rect bounds = ItemBounds(menu, item);
    return item <= menu->items.size() && PtInRect(where, &bounds) ? item : 0;
}

} // namespace platform::menus
