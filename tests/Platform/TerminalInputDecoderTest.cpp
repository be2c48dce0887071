// The terminal input decoder: keys, escape sequences and mouse reports, whole and split.
#include "Display/Terminal/TerminalInputDecoder.h"

#include "Platform/Events.h"

#include <gtest/gtest.h>

using namespace platform::display::terminal;

namespace {

struct Case {
    std::string bytes, events;
};

std::string Show(const TerminalEvent& e) {
    static const char* kinds[] = {"key", "down", "up", "move", "wheel", "menu", "backtab"};
    std::string text = kinds[int(e.kind)];
    if (e.kind == TerminalEvent::Kind::Key) text += " " + std::to_string(e.charCode);
    if (e.kind == TerminalEvent::Kind::Wheel) text += " " + std::to_string(e.wheel);
    if (e.kind >= TerminalEvent::Kind::MouseDown && e.kind <= TerminalEvent::Kind::Wheel)
        text += " " + std::to_string(e.column) + "," + std::to_string(e.row);
    for (auto [bit, name] :
         {std::pair{shiftKey, " shift"}, {cmdKey, " cmd"}, {controlKey, " ctrl"}})
        if (e.modifiers & bit) text += name;
    return text;
}

std::string Drain(TerminalInputDecoder& decoder) {
    std::string text;
    while (auto event = decoder.Next())
        text += (text.empty() ? "" : "|") + Show(*event);
    return text;
}

// Checks the bytes fed at once and one at a time, before and after the wait runs out.
void Expect(const std::string& bytes, const std::string& events,
            std::optional<std::string> late = std::nullopt) {
    for (std::size_t step : {bytes.size(), std::size_t(1)}) {
        SCOPED_TRACE(testing::PrintToString(bytes) + " fed in pieces of " + std::to_string(step));
        TerminalInputDecoder decoder;
        for (std::size_t at = 0; at < bytes.size(); at += step)
            decoder.Feed(std::string_view(bytes).substr(at, step));
        EXPECT_EQ(Drain(decoder), events);
        EXPECT_EQ(decoder.WaitingForMore(), late.has_value());
        decoder.Timeout();
        EXPECT_EQ(Drain(decoder), late.value_or(""));
    }
}

std::string X10(int button, int x, int y) {
    return std::string("\x1b[M") + char(button + 32) + char(x + 32) + char(y + 32);
}

} // namespace

TEST(TerminalInputDecoder, KeysBecomeTheProgramsCharacterCodes) {
    for (const Case& c : std::vector<Case>{
             {"a~\xc3\xa9", "key 97|key 126|key 195|key 169"},
             {"\r\n\t\x7f\b", "key 13|key 13|key 9|key 8|key 8"},
             {"\x01\x03\x1a\x1c", "key 97 ctrl|key 99 ctrl|key 122 ctrl|key 92 ctrl"},
             {"\x1bx\x1bX\x1b\x7f", "key 120 cmd|key 88 shift cmd|key 8 cmd"},
             {"\x1b[A\x1b[B\x1b[C\x1b[D", "key 30|key 31|key 29|key 28"},
             {"\x1bOA\x1bOB\x1bOC\x1bOD", "key 30|key 31|key 29|key 28"},
             {"\x1b[1;2A\x1b[1;3B\x1b[1;5C\x1b[1;8D",
              "key 30 shift|key 31 cmd|key 29 ctrl|key 28 shift cmd ctrl"},
             {"\x1b[H\x1b[1~\x1bOH\x1b[F\x1b[4~\x1bOF", "key 1|key 1|key 1|key 4|key 4|key 4"},
             {"\x1b[3~\x1b[5~\x1b[6~\x1bOM", "key 127|key 11|key 12|key 3"},
             {"\x1b[Z\x1b[21~\x1b[21;2~", "backtab|menu|menu shift"}})
        Expect(c.bytes, c.events);
}

TEST(TerminalInputDecoder, EscapeIsHeldUntilTheWaitRunsOut) {
    Expect("\x1b", "", "key 27");
    Expect("\x1b\x1b", "key 27", "key 27");
    Expect("a\x1b[", "key 97", "key 91 cmd");
    Expect("\x1b[1;", "", "");
}

TEST(TerminalInputDecoder, MouseReportsBecomeCellEvents) {
    for (const Case& c : std::vector<Case>{
             {"\x1b[<0;5;3M\x1b[<32;6;3M\x1b[<0;6;3m", "down 4,2|move 5,2|up 5,2"},
             {"\x1b[<4;1;1M\x1b[<8;1;1M\x1b[<16;1;1M", "down 0,0 shift|down 0,0 cmd|down 0,0 ctrl"},
             {"\x1b[<64;9;5M\x1b[<65;9;5M", "wheel -1 8,4|wheel 1 8,4"},
             {"\x1b[<1;1;1M\x1b[<2;1;1M\x1b[<2;1;1m\x1b[<35;1;1M", ""},
             {X10(0, 5, 3) + X10(32, 6, 3) + X10(3, 6, 3), "down 4,2|move 5,2|up 5,2"},
             {X10(20, 1, 1) + X10(65, 2, 2), "down 0,0 shift ctrl|wheel 1 1,1"},
             {X10(0, 223, 200) + X10(2, 1, 1), "down 222,199"}})
        Expect(c.bytes, c.events);
}

TEST(TerminalInputDecoder, UnknownSequencesAreSwallowedAndBrokenOnesSpareTheNextKey) {
    for (const Case& c : std::vector<Case>{{"\x1b[15~\x1bOP\x1b[?1;2c\x1b[1;5Pq", "key 113"},
                                           {"\x1b[<0;1Mz", "key 122"},
                                           {"\x1b[1;\rx", "key 13|key 120"},
                                           {"\x1b[5\x1b[A", "key 30"},
                                           {"\x1b[" + std::string(28, '1') + "~b", "key 98"}})
        Expect(c.bytes, c.events);
    TerminalInputDecoder endless; // an open sequence is not held forever
    endless.Feed("\x1b[" + std::string(100, '1'));
    EXPECT_FALSE(endless.WaitingForMore());
}
