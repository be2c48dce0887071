// The menu bar across the top and the menu pulled down from its highlighted title.
#include "Display/Desktop/DesktopPainters.h"
#include "Display/TextLayout.h"

#include <algorithm>
#include <string>

namespace platform::display::window {

namespace {

// The bar reaches as low as its titles do.
SInt16 BarBottom(const MenuBarSnapshot& bar) {
    SInt16 bottom = kFontLineHeight;
    for (const MenuSnapshot& menu : bar.menus)
        bottom = std::max(bottom, menu.titleBounds.bottom);
    return bottom;
}

const MenuSnapshot* OpenMenu(const MenuBarSnapshot& bar) {
    if (!bar.pulledDown) return nullptr;
    for (const MenuSnapshot& menu : bar.menus)
        if (menu.id == bar.hilited) return &menu;
    return nullptr;
}

// The Command key is Ctrl here (Alt works too).
std::string KeyOf(const MenuItemSnapshot& item) {
    return item.key ? std::string("Ctrl+") + char(item.key) : std::string();
}

// The menu shows wider than its items' bounds where a text and its key need more room.
int ExtraWidth(const MenuSnapshot& menu) {
    int extra = 0;
    for (const MenuItemSnapshot& item : menu.items) {
        const int key = Characters(KeyOf(item));
        const int needed = (Characters(item.text) + 2 + (key ? key + 2 : 0)) * kFontCharWidth;
        extra = std::max(extra, needed - (item.bounds.right - item.bounds.left));
    }
    return extra;
}

void PaintItem(Canvas& canvas, const MenuItemSnapshot& item, bool underPointer, int extra) {
    Rect r = item.bounds;
    r.right = SInt16(r.right + extra);
    if (item.separator) {
        const SInt16 middle = SInt16((r.top + r.bottom) / 2);
        canvas.Fill(Rect{middle, r.left, SInt16(middle + 1), r.right}, palette::kInactive);
        return;
    }
    Colour ink = item.choosable ? palette::kBlack : palette::kInactive;
    if (underPointer) {
        canvas.Fill(r, palette::kBlack);
        ink = palette::kWhite;
    }
    const int top = (r.top + r.bottom) / 2 - kFontLineHeight / 2;
    const std::string key = KeyOf(item);
    const int keyWidth = Characters(key);
    const int room = (r.right - r.left) / kFontCharWidth - 2 - (keyWidth ? keyWidth + 1 : 0);
    canvas.Text(r.left + kFontCharWidth, top, item.text, ink, normal, std::max(room, 0));
    if (keyWidth) canvas.Text(r.right - (keyWidth + 1) * kFontCharWidth, top, key, ink);
}

} // namespace

void PaintMenuBar(Canvas& canvas, const MenuBarSnapshot& bar, int width) {
    const SInt16 bottom = BarBottom(bar);
    canvas.Fill(Rect{0, 0, bottom, SInt16(width)}, palette::kWhite);
    canvas.Fill(Rect{SInt16(bottom - 1), 0, bottom, SInt16(width)}, palette::kBlack);
    for (const MenuSnapshot& menu : bar.menus) {
        Colour ink = menu.titleEnabled ? palette::kBlack : palette::kInactive;
        if (bar.hilited == menu.id) {
            Rect title = menu.titleBounds;
            title.bottom = SInt16(bottom - 1);
            canvas.Fill(title, palette::kBlack);
            ink = palette::kWhite;
        }
        canvas.Text(menu.titleBounds.left, menu.titleBounds.top, menu.title, ink);
    }
}

void PaintOpenMenu(Canvas& canvas, const MenuBarSnapshot& bar) {
    const MenuSnapshot* open = OpenMenu(bar);
    if (!open || open->items.empty()) return;
    Rect box = open->items.front().bounds;
    for (const MenuItemSnapshot& item : open->items)
        UnionRect(&box, &item.bounds, &box);
    const int extra = ExtraWidth(*open);
    box.right = SInt16(box.right + extra);
    canvas.Fill(Rect{SInt16(box.top + 2), box.right, SInt16(box.bottom + 2), SInt16(box.right + 2)},
                palette::kBlack);
    canvas.Fill(Rect{box.bottom, SInt16(box.left + 2), SInt16(box.bottom + 2), box.right},
                palette::kBlack);
    canvas.Fill(box, palette::kWhite);
    canvas.Frame(Outset(box, 1), palette::kBlack);
    for (size_t i = 0; i < open->items.size(); ++i)
        PaintItem(canvas, open->items[i], bar.underPointer == i + 1, extra);
}

} // namespace platform::display::window
