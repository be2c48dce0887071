#include "HeadlessScript.h"

#include "Platform/Events.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace platform::display {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// "menu #ID" names a command; everywhere else # starts a comment, as it always has. A code
// in single quotes may hold spaces.
bool StartsCommandID(const std::vector<Token>& tokens, const std::string& line, size_t i) {
    return line[i] == '#' && tokens.size() == 1 && !tokens[0].quoted && tokens[0].text == "menu";
}

size_t CommandIDEnd(const std::string& line, size_t i) {
    if (i + 1 >= line.size() || line[i + 1] != '\'')
        return std::min(line.find_first_of(" \t", i), line.size());
    const size_t close = line.find('\'', i + 2);
    return close == std::string::npos ? line.size() : close + 1;
}

// Words and double-quoted strings (with \" and \\ inside); nullopt for an unclosed quote.
std::optional<std::vector<Token>> Tokenize(const std::string& line) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
        } else if (StartsCommandID(tokens, line, i)) {
            const size_t end = CommandIDEnd(line, i);
            tokens.push_back({line.substr(i, end - i), false});
            i = end;
        } else if (line[i] == '#') {
            break;
        } else if (line[i] == '"') {
            Token token{"", true};
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) ++i;
                token.text += line[i];
            }
            if (i >= line.size()) return std::nullopt;
            ++i;
            tokens.push_back(token);
        } else {
            size_t end = line.find_first_of(" \t\"", i);
            if (end == std::string::npos) end = line.size();
            tokens.push_back({line.substr(i, end - i), false});
            i = end;
        }
    }
    return tokens;
}

class LineParser {
  public:
    LineParser(std::vector<Token> tokens, int line) : tokens_(std::move(tokens)) {
        command_.line = line;
    }

    std::optional<ScriptCommand> Parse(std::string& error);

  private:
    bool More() const { return next_ < tokens_.size(); }
    bool Peek(const char* word) const {
        return More() && !tokens_[next_].quoted && tokens_[next_].text == word;
    }
    bool Accept(const char* word) {
        if (!Peek(word)) return false;
        ++next_;
        return true;
    }
    bool Number(SInt32* value);
    bool Coordinates(Point* point);
    bool String(std::string* text);
    bool Modifiers();
    bool KeyName();
    bool ClickTargetOf();
    bool MenuChoice();
    bool CommandID();
    bool PrintForm();
    bool Fail(const std::string& why) {
        why_ = why;
        return false;
    }

    std::vector<Token> tokens_;
    size_t next_ = 0;
    ScriptCommand command_;
    std::string why_;
};

bool LineParser::Number(SInt32* value) {
    if (!More() || tokens_[next_].quoted) return Fail("a number is missing");
    const std::string& text = tokens_[next_].text;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    if (ec != std::errc() || end != text.data() + text.size())
        return Fail("'" + text + "' is not a number");
    ++next_;
    return true;
}

bool LineParser::Coordinates(Point* point) {
    SInt32 x, y;
    if (!Number(&x) || !Number(&y)) return false;
    if (x < -32768 || x > 32767 || y < -32768 || y > 32767) return Fail("point out of range");
    *point = Point{SInt16(y), SInt16(x)};
    command_.hasPoint = true;
    return true;
}

bool LineParser::String(std::string* text) {
    if (!More() || !tokens_[next_].quoted) return Fail("a \"quoted text\" is missing");
    *text = tokens_[next_++].text;
    return true;
}

bool LineParser::Modifiers() {
    static const std::map<std::string, UInt16> names = {
        {"cmd", cmdKey}, {"shift", shiftKey}, {"option", optionKey}, {"control", controlKey}};
    while (More() && !tokens_[next_].quoted && names.count(tokens_[next_].text))
        command_.modifiers |= names.at(tokens_[next_++].text);
    return true;
}

bool LineParser::KeyName() {
    static const std::map<std::string, UInt8> names = {{"return", kReturnCharCode},
                                                       {"enter", kEnterCharCode},
                                                       {"escape", kEscapeCharCode},
                                                       {"tab", kTabCharCode},
                                                       {"backspace", kBackspaceCharCode},
                                                       {"delete", kDeleteCharCode},
                                                       {"left", kLeftArrowCharCode},
                                                       {"right", kRightArrowCharCode},
                                                       {"up", kUpArrowCharCode},
                                                       {"down", kDownArrowCharCode},
                                                       {"space", kSpaceCharCode},
                                                       {"home", kHomeCharCode},
                                                       {"end", kEndCharCode},
                                                       {"pageup", kPageUpCharCode},
                                                       {"pagedown", kPageDownCharCode},
                                                       {"insert", kHelpCharCode}};
    if (!More()) return Fail("a key name is missing");
    const Token& token = tokens_[next_++];
    if (token.text.size() == 1)
        command_.charCode = UInt8(token.text[0]);
    else if (!token.quoted && names.count(token.text))
        command_.charCode = names.at(token.text);
    else
        return Fail("unknown key '" + token.text + "'");
    return true;
}

bool LineParser::ClickTargetOf() {
    if (Accept("item")) {
        command_.target = ScriptTarget::Item;
        return Number(&command_.number);
    }
    if (Accept("row")) {
        command_.target = ScriptTarget::Row;
        if (!Number(&command_.number)) return false;
        return !Accept("column") || Number(&command_.column);
    }
    if (Accept("close") || Accept("title")) {
        command_.target =
            tokens_[next_ - 1].text == "close" ? ScriptTarget::CloseBox : ScriptTarget::TitleBar;
        return true;
    }
    command_.target = ScriptTarget::Point;
    return Coordinates(&command_.point) && Modifiers();
}

bool LineParser::MenuChoice() {
    if (More() && tokens_[next_].text.starts_with("#") && !tokens_[next_].quoted)
        return CommandID();
    return String(&command_.text) && String(&command_.text2);
}

// A number, or a four-character code in single quotes, as the printout shows command IDs.
bool LineParser::CommandID() {
    command_.text = tokens_[next_++].text;
    const std::string id = command_.text.substr(1);
    UInt32 command = 0;
    if (id.size() == 6 && id.front() == '\'' && id.back() == '\'') {
        for (size_t i = 1; i < 5; ++i)
            command = command << 8 | UInt8(id[i]);
    } else {
        auto [end, ec] = std::from_chars(id.data(), id.data() + id.size(), command);
        if (ec != std::errc() || end != id.data() + id.size())
            return Fail("'" + command_.text + "' is not a command ID");
    }
    if (command == 0) return Fail("no menu item has command ID 0");
    command_.number = SInt32(command);
    return true;
}

// [cells] or any of detail and list all, then maybe a label.
bool LineParser::PrintForm() {
    if (Accept("cells")) command_.text = "cells";
    while (command_.text.empty() && (Accept("detail") || Accept("list"))) {
        if (tokens_[next_ - 1].text == "detail")
            command_.print.detail = true;
        else if (Accept("all"))
            command_.print.allRows = true;
        else
            return Fail("'all' is missing");
    }
    return !More() || !tokens_[next_].quoted || String(&command_.print.label);
}

std::optional<ScriptCommand> LineParser::Parse(std::string& error) {
    static const std::map<std::string, ScriptVerb> verbs = {
        {"click", ScriptVerb::Click},     {"doubleclick", ScriptVerb::DoubleClick},
        {"drag", ScriptVerb::Drag},       {"hold", ScriptVerb::Hold},
        {"type", ScriptVerb::Type},       {"key", ScriptVerb::Key},
        {"menu", ScriptVerb::Menu},       {"quit", ScriptVerb::Quit},
        {"suspend", ScriptVerb::Suspend}, {"resume", ScriptVerb::Resume},
        {"wait", ScriptVerb::Wait},       {"choose", ScriptVerb::Choose},
        {"cancel", ScriptVerb::Cancel},   {"admin", ScriptVerb::Admin},
        {"print", ScriptVerb::Print},     {"await", ScriptVerb::Await},
        {"front", ScriptVerb::Front}};
    const Token& first = tokens_[next_++];
    auto verb = verbs.find(first.text);
    bool ok;
    if (first.quoted || verb == verbs.end()) {
        ok = Fail("unknown command '" + first.text + "'");
    } else {
        command_.verb = verb->second;
        switch (command_.verb) {
        case ScriptVerb::Click:
        case ScriptVerb::DoubleClick:
            ok = ClickTargetOf();
            break;
        case ScriptVerb::Drag:
            ok = Coordinates(&command_.point) && (Accept("to") || Fail("'to' is missing")) &&
                 Coordinates(&command_.to);
            break;
        case ScriptVerb::Hold:
            ok = Coordinates(&command_.point) && Number(&command_.number);
            break;
        case ScriptVerb::Type:
            ok = String(&command_.text);
            break;
        case ScriptVerb::Key:
            command_.hasPoint = false;
            ok = KeyName() && Modifiers() && (!Accept("at") || Coordinates(&command_.point));
            break;
        case ScriptVerb::Menu:
            ok = MenuChoice();
            break;
        case ScriptVerb::Wait:
            ok = Number(&command_.number);
            break;
        case ScriptVerb::Choose:
        case ScriptVerb::Await:
        case ScriptVerb::Front:
            ok = String(&command_.text);
            break;
        case ScriptVerb::Admin:
            ok = Accept("cancel") || (String(&command_.text) && String(&command_.text2));
            break;
        case ScriptVerb::Print:
            ok = PrintForm();
            break;
        default:
            ok = true;
            break;
        }
    }
    if (ok && More()) ok = Fail("unexpected '" + tokens_[next_].text + "'");
    if (ok && command_.verb == ScriptVerb::Wait && command_.number < 0)
        ok = Fail("time cannot run backwards");
    if (ok) return command_;
    error = "line " + std::to_string(command_.line) + ": " + why_;
    return std::nullopt;
}

} // namespace

HeadlessScript ParseHeadlessScript(std::istream& in) {
    HeadlessScript script;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::optional<std::vector<Token>> tokens = Tokenize(line);
        if (!tokens) {
            script.error = "line " + std::to_string(number) + ": a quote is not closed";
            return script;
        }
        if (tokens->empty()) continue;
        std::optional<ScriptCommand> command =
            LineParser(std::move(*tokens), number).Parse(script.error);
        if (!command) return script;
        script.commands.push_back(*command);
    }
    return script;
}

} // namespace platform::display
