// The headless display's script: one command a line, read whole before the program runs so
// that a line it cannot parse is reported, with its number, before anything happens.
#pragma once

#include "Display/ModelPrinter.h"
#include "Platform/MacTypes.h"

#include <istream>
#include <string>
#include <vector>

namespace platform::display {

enum class ScriptVerb {
    Click,
    DoubleClick,
    Drag,
    Hold,
    Type,
    Key,
    Menu,
    Quit,
    Suspend,
    Resume,
    Wait,
    Choose,
    Cancel,
    Admin,
    Print,
    Await,
    Front,
};

// What a click or double click aims at.
enum class ScriptTarget { Point, Item, Row, CloseBox, TitleBar };

struct ScriptCommand {
    int line = 0;
    ScriptVerb verb = ScriptVerb::Print;
    ScriptTarget target = ScriptTarget::Point;
    Point point{}; // global pixels: click, drag start, hold, key's pointer position
    Point to{};    // drag end
    bool hasPoint = false;
    SInt32 number = 0; // item, row, ticks, menu command (0: the menu is named by its title)
    SInt32 column = 0;
    UInt16 modifiers = 0;
    UInt8 charCode = 0; // key
    // Typed text, menu title or "#ID", chosen path, user name, window title, "cells" to print.
    std::string text;
    std::string text2; // menu item, password
    PrintOptions print;
};

struct HeadlessScript {
    std::vector<ScriptCommand> commands;
    std::string error; // "line N: reason" when a line cannot be parsed
};

HeadlessScript ParseHeadlessScript(std::istream& in);

} // namespace platform::display
