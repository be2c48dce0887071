// Help topic tables ('Help') and topic texts ('TEXT', with 'styl' when styled).
#include "ByteWriter.h"
#include "Encoders.h"
#include "TextAssembly.h"
#include "TokenReader.h"

#include <fstream>

namespace rc {

namespace {

constexpr ResType kStyleType = FOUR_CHAR_CODE("styl");
constexpr size_t kTitleBytes = 47; // a length byte and 47 bytes: 48 per title

// The base style of a styled text; runs differ from it only in their face.
struct BaseStyle {
    std::int64_t font = 0;
    std::int64_t size = 12;
    std::int64_t lineHeight = 16;
    std::int64_t ascent = 12;
    Colour colour;
};

std::vector<TextSourceLine> ReadTextFile(const std::filesystem::path& path, const Location& where) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CompileError(where, "cannot read the text file " + path.string());
    std::vector<TextSourceLine> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        lines.push_back({{path.string(), number}, text});
    }
    return lines;
}

// The text comes from "| " lines or from one "file" line; style lines set the base style.
struct TextBody {
    std::vector<TextSourceLine> lines;
    BaseStyle style;
};

void ReadStyleLine(TokenReader& line, const std::string& name, BaseStyle& style) {
    if (name == "font")
        style.font = line.integer(0, 32767);
    else if (name == "size")
        style.size = line.integer(1, 127);
    else if (name == "line-height")
        style.lineHeight = line.integer(1, 32767);
    else if (name == "ascent")
        style.ascent = line.integer(0, 32767);
    else if (name == "colour")
        style.colour = line.colour();
    else
        line.fail("expected 'file', a style line (font, size, line-height, ascent, colour) "
                  "or '| text'");
}

TextBody ReadTextBody(const BlockInput& input, bool styled) {
    TextBody body;
    bool fromFile = false;
    auto mixed = [](const Location& where) {
        throw CompileError(where, "a text comes from one 'file' line or from '| ' lines");
    };
    for (const SourceLine& source : input.block.body) {
        if (source.text) {
            if (fromFile) mixed(source.where);
            body.lines.push_back({source.where, *source.text});
            continue;
        }
        TokenReader line(source.where, source.tokens);
        std::string name = line.word("'file' or '| text'");
        if (name == "file") {
            if (fromFile || !body.lines.empty()) mixed(source.where);
            body.lines = ReadTextFile(input.folder / line.string(1024), source.where);
            fromFile = true;
        } else if (styled) {
            ReadStyleLine(line, name, body.style);
        } else {
            line.fail("expected a 'file' line or '| text' lines");
        }
        line.expectEnd();
    }
    return body;
}

std::vector<UInt8> StyleScrap(const AssembledText& text, const BaseStyle& style) {
    ByteWriter out;
    out.big16(std::int64_t(text.runs.size()));
    for (const FaceRun& run : text.runs) {
        out.big32(run.start);
        out.big16(style.lineHeight);
        out.big16(style.ascent);
        out.big16(style.font);
        out.byte(run.face);
        out.byte(0);
        out.big16(style.size);
        out.big16(style.colour.red);
        out.big16(style.colour.green);
        out.big16(style.colour.blue);
    }
    return out.take();
}

std::vector<UInt8> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

// "topic id "title"": the rows of the help window's topic list, in order.
Entries EncodeHelpTopics(const BlockInput& input) {
    ByteWriter out;
    out.big16(0);
    int count = 0;
    for (const SourceLine& source : input.block.body) {
        TokenReader line(source.where, source.tokens);
        if (source.text || !line.acceptWord("topic")) line.fail("expected 'topic id \"title\"'");
        std::int64_t id = line.id();
        std::string title = line.string(kTitleBytes);
        line.expectEnd();
        out.pascal(title);
        out.zeros(kTitleBytes - title.size());
        out.big16(id);
        ++count;
    }
    out.setBig16(0, count);
    return One(input, out.take());
}

Entries EncodeText(const BlockInput& input) {
    return One(input, Bytes(AssembleText(ReadTextBody(input, false).lines, false).text));
}

Entries EncodeStyledText(const BlockInput& input) {
    TextBody body = ReadTextBody(input, true);
    AssembledText text = AssembleText(body.lines, true);
    Entries entries = One(input, Bytes(text.text));
    ResourceEntry style = input.header;
    style.type = kStyleType;
    style.data = StyleScrap(text, body.style);
    entries.push_back(std::move(style));
    return entries;
}

} // namespace rc
