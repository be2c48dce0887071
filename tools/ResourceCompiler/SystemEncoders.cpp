// Version ('vers'), number format ('itl0') and colour table ('clut') resources.
#include "ByteWriter.h"
#include "Encoders.h"
#include "FieldSet.h"

namespace rc {

namespace {

const NamedValues kReleaseStages = {
    {"development", 0x20}, {"alpha", 0x40}, {"beta", 0x60}, {"release", 0x80}};

int BinaryCodedDecimal(std::int64_t value) {
    return int(value / 10 * 16 + value % 10);
}

// "major.minor[.fix]": the major number in two decimal digits, minor and fix in one each.
void WriteVersionNumber(TokenReader line, ByteWriter& out) {
    std::string text = line.word("a version such as 1.2.3");
    line.expectEnd();
    std::vector<std::int64_t> parts;
    for (size_t start = 0;;) {
        size_t dot = text.find('.', start);
        auto part = ParseNumber(text.substr(start, dot - start));
        if (!part || *part < 0 || *part > (parts.empty() ? 99 : 9))
            line.fail("expected a version such as 1.2.3 (major 0-99, minor and fix 0-9), found '" +
                      text + "'");
        parts.push_back(*part);
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (parts.size() < 2 || parts.size() > 3)
        line.fail("expected a version such as 1.2.3, found '" + text + "'");
    parts.resize(3);
    out.byte(std::uint8_t(BinaryCodedDecimal(parts[0])));
    out.byte(std::uint8_t(parts[1] * 16 + parts[2]));
}

// A text field of fixed width, padded with zero bytes.
void WriteFixed(ByteWriter& out, const FieldSet& fields, std::string_view name, size_t width,
                std::string fallback) {
    std::string text = fields.string(name, width, std::move(fallback));
    out.text(text);
    out.zeros(width - text.size());
}

} // namespace

Entries EncodeVersion(const BlockInput& input) {
    FieldSet fields(input.block, {"version", "stage", "revision", "region", "short", "long"});
    ByteWriter out;
    WriteVersionNumber(fields.take("version"), out);
    out.byte(std::uint8_t(fields.choice("stage", kReleaseStages, 0, 255, 0x80)));
    out.byte(std::uint8_t(fields.integer("revision", 0, 255, 0)));
    out.big16(fields.integer("region", 0, 32767, 0));
    out.pascal(fields.string("short", 255));
    out.pascal(fields.string("long", 255));
    return One(input, out.take());
}

// The 32-byte number, date and time format; the decimal point is its first byte.
Entries EncodeNumberFormat(const BlockInput& input) {
    FieldSet fields(input.block,
                    {"decimal-point", "thousands-separator", "list-separator", "currency",
                     "currency-format", "date-order", "short-date-format", "date-separator",
                     "time-cycle", "time-format", "morning", "evening", "time-separator",
                     "time-suffixes", "metric", "region", "format-version"});
    ByteWriter out;
    WriteFixed(out, fields, "decimal-point", 1, ".");
    WriteFixed(out, fields, "thousands-separator", 1, ",");
    WriteFixed(out, fields, "list-separator", 1, ";");
    WriteFixed(out, fields, "currency", 3, "$");
    for (auto name : {"currency-format", "date-order", "short-date-format"})
        out.byte(std::uint8_t(fields.integer(name, 0, 255, 0)));
    WriteFixed(out, fields, "date-separator", 1, "/");
    for (auto name : {"time-cycle", "time-format"})
        out.byte(std::uint8_t(fields.integer(name, 0, 255, 0)));
    WriteFixed(out, fields, "morning", 4, "AM");
    WriteFixed(out, fields, "evening", 4, "PM");
    WriteFixed(out, fields, "time-separator", 1, ":");
    WriteFixed(out, fields, "time-suffixes", 8, "");
    out.byte(fields.yesNo("metric", false) ? 0xFF : 0);
    out.byte(std::uint8_t(fields.integer("region", 0, 255, 0)));
    out.byte(std::uint8_t(fields.integer("format-version", 0, 255, 1)));
    return One(input, out.take());
}

// "seed n", "flags n" and one "value #RRGGBB" line per colour.
Entries EncodeColourTable(const BlockInput& input) {
    std::int64_t seed = 0, flags = 0;
    std::vector<std::pair<std::int64_t, Colour>> colours;
    for (const SourceLine& source : input.block.body) {
        TokenReader line(source.where, source.tokens);
        if (source.text) line.fail("expected 'seed', 'flags' or 'value #RRGGBB'");
        if (line.acceptWord("seed"))
            seed = line.integer(-0x80000000LL, 0x7FFFFFFF);
        else if (line.acceptWord("flags"))
            flags = line.integer(0, 0xFFFF);
        else {
            std::int64_t value = line.integer(0, 0xFFFF);
            colours.emplace_back(value, line.colour());
        }
        line.expectEnd();
    }
    if (colours.empty())
        throw CompileError(input.block.where, "a colour table needs at least one colour");
    ByteWriter out;
    out.big32(seed);
    out.big16(flags);
    out.big16(std::int64_t(colours.size()) - 1);
    for (const auto& [value, colour] : colours) {
        out.big16(value);
        for (UInt16 component : {colour.red, colour.green, colour.blue})
            out.big16(component);
    }
    return One(input, out.take());
}

// "hex 00 0102 ...": bytes in hexadecimal, any grouping of whole bytes.
Entries EncodeRawData(const BlockInput& input) {
    ByteWriter out;
    for (const SourceLine& source : input.block.body) {
        TokenReader line(source.where, source.tokens);
        if (source.text || !line.acceptWord("hex")) line.fail("expected 'hex' and bytes");
        while (!line.atEnd()) {
            std::string group = line.word("hexadecimal bytes");
            for (size_t at = 0; at < group.size(); at += 2) {
                auto value = ParseNumber("0x" + group.substr(at, 2));
                if (group.size() % 2 || !value)
                    line.fail("expected whole bytes in hexadecimal, found '" + group + "'");
                out.byte(std::uint8_t(*value));
            }
        }
    }
    return One(input, out.take());
}

} // namespace rc
