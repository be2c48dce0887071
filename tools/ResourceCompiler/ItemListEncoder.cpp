// Dialog item lists ('DITL'): one line per item, "[number] kind rectangle [value] [disabled]".
#include "ByteWriter.h"
#include "Encoders.h"
#include "TokenReader.h"

#include <string_view>

namespace rc {

namespace {

enum class Data { Text, ResourceID, None };

struct ItemKind {
    std::string_view name;
    std::uint8_t code;
    Data data;
};

constexpr ItemKind kItemKinds[] = {
    {"user", 0, Data::None},  {"button", 4, Data::Text},        {"checkbox", 5, Data::Text},
    {"radio", 6, Data::Text}, {"control", 7, Data::ResourceID}, {"static", 8, Data::Text},
    {"edit", 16, Data::Text}, {"icon", 32, Data::ResourceID},   {"picture", 64, Data::ResourceID},
};

constexpr std::uint8_t kDisabled = 0x80;

const ItemKind& FindKind(TokenReader& line) {
    std::string name = line.word("an item kind");
    for (const ItemKind& kind : kItemKinds)
        if (kind.name == name) return kind;
    line.fail("unknown item kind '" + name +
              "'; kinds are user, button, checkbox, radio, control, static, edit, icon, "
              "picture, reserved");
}

void WriteItem(ByteWriter& out, const Rect& box, std::uint8_t type, std::string_view data) {
    out.zeros(4); // room for the item's handle
    out.rect(box);
    out.byte(type);
    out.pascal(data);
    out.alignEven();
}

std::string ResourceIDData(TokenReader& line) {
    auto id = UInt16(line.id());
    return {char(id >> 8), char(id & 0xFF)};
}

void EncodeItem(TokenReader& line, ByteWriter& out) {
    // A reserved item keeps the numbering of the items after it: an empty, disabled user item.
    if (line.acceptWord("reserved")) return WriteItem(out, Rect{}, kDisabled, {});
    const ItemKind& kind = FindKind(line);
    Rect box = line.rect();
    std::string data;
    if (kind.data == Data::ResourceID) data = ResourceIDData(line);
    if (kind.data == Data::Text && line.nextIs(TokenKind::String)) data = line.string(255);
    std::uint8_t flags = line.acceptWord("disabled") ? kDisabled : 0;
    line.expectEnd();
    WriteItem(out, box, kind.code | flags, data);
}

} // namespace

Entries EncodeItemList(const BlockInput& input) {
    ByteWriter out;
    out.big16(0);
    int count = 0;
    for (const SourceLine& source : input.block.body) {
        if (source.text) throw CompileError(source.where, "an item list holds no text lines");
        TokenReader line(source.where, source.tokens);
        ++count;
        if (line.nextIs(TokenKind::Word) && ParseNumber(source.tokens[0].text)) {
            if (line.integer(-32768, 32767) != count)
                line.fail("this is item " + std::to_string(count) + ", not item " +
                          source.tokens[0].text);
        }
        EncodeItem(line, out);
    }
    if (count == 0) throw CompileError(input.block.where, "an item list needs at least one item");
    out.setBig16(0, count - 1);
    return One(input, out.take());
}

} // namespace rc
