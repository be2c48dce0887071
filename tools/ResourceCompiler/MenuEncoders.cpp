// Menus ('MENU') and the command numbers of their items ('MCMD').
#include "ByteWriter.h"
#include "Encoders.h"
#include "TokenReader.h"

#include <optional>

namespace rc {

namespace {

struct MenuItem {
    std::string text;
    std::uint8_t key = 0;
    bool enabled = true;
};

// Only the first 31 items have an enable bit; the ones after them are always enabled.
constexpr size_t kItemsWithEnableBit = 31;

MenuItem ReadItem(TokenReader& line) {
    if (line.acceptWord("separator")) return {"-", 0, false};
    if (!line.acceptWord("item")) line.fail("expected 'title', 'item' or 'separator'");
    MenuItem item{line.string(255)};
    if (line.acceptWord("key")) {
        std::string key = line.word("a key");
        if (key.size() != 1) line.fail("a key equivalent is one character, not '" + key + "'");
        item.key = std::uint8_t(key[0]);
    }
    item.enabled = !line.acceptWord("disabled");
    return item;
}

std::uint32_t EnableFlags(const std::vector<MenuItem>& items) {
    std::uint32_t flags = 1; // bit 0: the title
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].enabled || i >= kItemsWithEnableBit) flags |= 1u << (i + 1);
    return flags;
}

} // namespace

Entries EncodeMenu(const BlockInput& input) {
    std::optional<std::string> title;
    std::vector<MenuItem> items;
    for (const SourceLine& source : input.block.body) {
        if (source.text) throw CompileError(source.where, "a menu holds no text lines");
        TokenReader line(source.where, source.tokens);
        if (line.acceptWord("title")) {
            if (title) line.fail("the menu has a title already");
            title = line.string(255);
        } else {
            items.push_back(ReadItem(line));
            if (!items.back().enabled && items.size() > kItemsWithEnableBit)
                line.fail("only the first 31 items of a menu can be disabled");
        }
        line.expectEnd();
    }
    if (!title) throw CompileError(input.block.where, "the menu lacks its 'title' line");
    ByteWriter out;
    out.big16(input.header.id);
    out.zeros(6); // width, height and definition: the platform's defaults
    out.zeros(2); // room for the definition's handle
    out.big32(EnableFlags(items));
    out.pascal(*title);
    for (const MenuItem& item : items) {
        out.pascal(item.text);
        out.byte(0); // icon
        out.byte(item.key);
        out.byte(0); // mark
        out.byte(0); // style
    }
    out.byte(0);
    return One(input, out.take());
}

// "commands 1 2 ...": the command of each item in turn, 16-bit numbers in the machine's order.
Entries EncodeMenuCommands(const BlockInput& input) {
    std::vector<std::int64_t> commands;
    for (const SourceLine& source : input.block.body) {
        TokenReader line(source.where, source.tokens);
        if (source.text || !line.acceptWord("commands"))
            line.fail("expected 'commands' and numbers");
        while (!line.atEnd())
            commands.push_back(line.integer(-32768, 32767));
    }
    ByteWriter out;
    out.native16(std::int64_t(commands.size()));
    for (std::int64_t command : commands)
        out.native16(command);
    return One(input, out.take());
}

} // namespace rc
