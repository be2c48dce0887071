#include "Display/Headless/HeadlessBackend.h"

#include "Display/ModelPrinter.h"
#include "Display/ModelView.h"
#include "Display/Terminal/TerminalScreenPainter.h"
#include "Platform/Events.h"
#include "Platform/MacWindows.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace platform::display {

namespace {

// Real time, unlike everything else a script does: how long `await` waits for its file.
constexpr auto kAwaitLimit = std::chrono::seconds(60);

// How long TabBack's drag over the field before lasts.
constexpr UInt32 kDragTicks = 3;

bool AwaitFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + kAwaitLimit;
    while (access(path.c_str(), F_OK) != 0) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The first point of the window's content, row by row, that no window in front covers.
std::optional<Point> ShownContent(const WindowSnapshot& window) {
    const Rect& content = window.content;
    constexpr SInt16 kStep = 4;
    for (SInt16 v = content.top; v < content.bottom; v = SInt16(v + kStep))
        for (SInt16 h = content.left; h < content.right; h = SInt16(h + kStep)) {
            WindowRef found = nullptr;
            if (FindWindow(Point{v, h}, &found) == inContent && found == window.id)
                return Point{v, h};
        }
    return std::nullopt;
}

} // namespace

HeadlessBackend::HeadlessBackend(HeadlessScript script, std::ostream& out, std::ostream& messages)
    : script_(std::move(script)), out_(out), messages_(messages) {}

// A poll (no time to wait) only takes input already due: the next command is read, its clicks
// placed and its printout made only once the program waits, that is when it is ready for it.
std::optional<RawInput> HeadlessBackend::NextInput(UInt32 ticks) {
    while (pending_.empty() && !ended_ && ticks > 0)
        if (!ExpandNextCommand()) break;
    if (pending_.empty()) {
        if (ended_ && ticks > 0) return AfterTheEnd();
        clock_ += ticks;
        return std::nullopt;
    }
    const Timed& next = pending_.front();
    const UInt32 now = clock_.load(); // the timer thread may move the clock meanwhile
    if (next.at > now && next.at - now > ticks) {
        clock_ += ticks;
        return std::nullopt;
    }
    AdvanceTo(next.at);
    RawInput input = next.input;
    pending_.pop_front();
    pointer_ = input.where;
    return input;
}

void HeadlessBackend::AdvanceClockTo(UInt64 microseconds) {
    AdvanceTo(UInt32((microseconds * 60 + 999999) / 1000000));
}

void HeadlessBackend::AdvanceTo(UInt32 tick) {
    UInt32 now = clock_.load();
    while (now < tick && !clock_.compare_exchange_weak(now, tick)) {
    }
}

void HeadlessBackend::Beep() {
    out_ << "beep at tick " << clock_ << "\n";
}

bool HeadlessBackend::ExpandNextCommand() {
    if (nextCommand_ >= script_.commands.size()) {
        ended_ = true;
        messages_ << "The script ended before the program did: open dialogs are cancelled, "
                     "nothing is committed, and the program quits.\n";
        return false;
    }
    const ScriptCommand& command = script_.commands[nextCommand_++];
    const bool takesTime = command.verb != ScriptVerb::Print && command.verb != ScriptVerb::Await;
    start_ = std::max(clock_.load(), start_) + (takesTime ? kCommandSpacing : 0);
    return Expand(command);
}

bool HeadlessBackend::Expand(const ScriptCommand& command) {
    Point where{};
    switch (command.verb) {
    case ScriptVerb::Click:
    case ScriptVerb::DoubleClick:
        return ResolveClick(command, &where) &&
               Click(where, command.modifiers, command.verb == ScriptVerb::DoubleClick);
    case ScriptVerb::Drag:
        Drag(command.point, command.to, 0);
        return true;
    case ScriptVerb::Hold:
        Push(0, RawInput::Kind::MouseDown, command.point);
        Push(UInt32(command.number), RawInput::Kind::MouseUp, command.point);
        return true;
    case ScriptVerb::Type:
        Keys(command.text);
        return true;
    case ScriptVerb::Key:
        if (command.hasPoint) Push(0, RawInput::Kind::MouseMove, command.point);
        if (command.charCode != kTabCharCode || command.modifiers != shiftKey || !TabBack())
            Key(command.charCode, command.modifiers, 1);
        return true;
    case ScriptVerb::Menu:
        return ChooseFromMenu(command);
    case ScriptVerb::Front:
        return ClickToFront(command);
    case ScriptVerb::Quit:
        Push(0, RawInput::Kind::Quit, pointer_);
        return true;
    case ScriptVerb::Suspend:
        Push(0, RawInput::Kind::Suspend, pointer_);
        return true;
    case ScriptVerb::Resume:
        Push(0, RawInput::Kind::Resume, pointer_);
        return true;
    case ScriptVerb::Wait:
        start_ += UInt32(command.number);
        return true;
    // The choosers and the administrator prompt open with their first field's text selected,
    // so typed text replaces it.
    case ScriptVerb::Choose:
        Keys(command.text + char(kReturnCharCode));
        return true;
    case ScriptVerb::Cancel:
        Keys(std::string(1, char(kEscapeCharCode)));
        return true;
    case ScriptVerb::Admin:
        if (command.text.empty() && command.text2.empty()) {
            Keys(std::string(1, char(kEscapeCharCode)));
            return true;
        }
        // Asked again after a wrong password, the prompt waits in its password field: the name
        // field before it is selected first.
        Keys(command.text + char(kTabCharCode) + command.text2 + char(kReturnCharCode),
             FocusPastFirstField() && TabBack() ? kDragTicks : 0);
        return true;
    case ScriptVerb::Await:
        out_.flush();
        return AwaitFile(command.text) ||
               Fail(command, "\"" + command.text + "\" did not appear within 60 seconds");
    case ScriptVerb::Print:
        if (command.text == "cells")
            terminal::PrintCells(out_, std::max(start_, clock_.load()), ScreenBounds(),
                                 command.print.label);
        else
            PrintModel(out_, std::max(start_, clock_.load()), command.print);
        return true;
    }
    return true;
}

bool HeadlessBackend::ResolveClick(const ScriptCommand& command, Point* where) {
    const ModelSnapshot model = TakeSnapshot();
    const WindowSnapshot* front = model.Front();
    const ModelView& view = TheModelView();
    std::optional<Point> point;
    switch (command.target) {
    case ScriptTarget::Point:
        point = command.point;
        break;
    case ScriptTarget::CloseBox:
        if (front && front->hasCloseBox) point = CentreOf(front->closeBox);
        break;
    case ScriptTarget::TitleBar:
        if (front) {
            const Rect& bar = front->titleBar;
            point = Point{bar.top, SInt16(bar.left + kCloseBoxWidth + kWindowBorderWidth * 2)};
        }
        break;
    case ScriptTarget::Item:
        if (front && view.itemCenter) point = view.itemCenter(front->id, SInt16(command.number));
        break;
    case ScriptTarget::Row:
        if (front && view.listCell)
            point = view.listCell(front->id, command.number, command.column);
        break;
    }
    if (!point) {
        Fail(command, "the front window has no such place to click");
        return false; // and no click anywhere
    }
    *where = *point;
    return true;
}

bool HeadlessBackend::ChooseFromMenu(const ScriptCommand& command) {
    const ModelView& view = TheModelView();
    std::optional<std::pair<Point, Point>> points;
    if (command.number != 0 && view.menuCommand)
        points = view.menuCommand(UInt32(command.number));
    else if (command.number == 0 && view.menuItem)
        points = view.menuItem(command.text, command.text2);
    if (!points)
        return Fail(command, command.number != 0
                                 ? "there is no menu item with command " + command.text
                                 : "there is no menu item \"" + command.text2 + "\" in \"" +
                                       command.text + "\"");
    Drag(points->first, points->second, 0);
    return true;
}

bool HeadlessBackend::FocusPastFirstField() const {
    const ModelSnapshot model = TakeSnapshot();
    const WindowSnapshot* front = model.Front();
    if (!front || !front->isDialog) return false;
    const auto& items = front->dialog.items;
    return std::any_of(items.begin(), items.end(), [front](const ItemSnapshot& item) {
        return item.kind == ItemSnapshot::Kind::EditText && item.number < front->dialog.editField;
    });
}

// As the terminal's Shift-Tab: the field before is entered as with the mouse, by dragging over
// its whole text, past its right edge, which the field takes as its end. False when the front
// window has no edit field.
bool HeadlessBackend::TabBack() {
    WindowRef front = FrontWindow();
    const auto& fieldBefore = TheModelView().fieldBefore;
    std::optional<Rect> box = front && fieldBefore ? fieldBefore(front) : std::nullopt;
    if (!box) return false;
    const SInt16 middle = CentreOf(*box).v;
    Drag(Point{middle, SInt16(box->left + 1)}, Point{middle, box->right}, 1);
    return true;
}

// A click on content that shows: the window behind comes forward with it (the program beeps, as
// at any click on a window behind), where a click on its title bar would only beep.
bool HeadlessBackend::ClickToFront(const ScriptCommand& command) {
    const ModelSnapshot model = TakeSnapshot();
    const auto& list = model.windows;
    auto at = std::find_if(list.begin(), list.end(), [&](const WindowSnapshot& window) {
        return window.visible && window.title == command.text;
    });
    if (at == list.end())
        return Fail(command, "no window shown has the title \"" + command.text + "\"");
    if (&*at == model.Front()) return true;
    std::optional<Point> shown = ShownContent(*at);
    if (!shown) return Fail(command, "nothing of \"" + command.text + "\" shows to click on");
    return Click(*shown, 0, false);
}

bool HeadlessBackend::Click(Point where, UInt16 modifiers, bool twice) {
    for (UInt32 i = 0; i < (twice ? 2u : 1u); ++i) {
        Push(2 * i, RawInput::Kind::MouseDown, where, modifiers);
        Push(2 * i + 1, RawInput::Kind::MouseUp, where, modifiers);
    }
    return true;
}

void HeadlessBackend::Drag(Point from, Point to, UInt32 at) {
    Push(at, RawInput::Kind::MouseDown, from);
    Push(at + 1, RawInput::Kind::MouseMove, to);
    Push(at + 2, RawInput::Kind::MouseUp, to);
}

void HeadlessBackend::Keys(const std::string& keys, UInt32 from) {
    for (size_t i = 0; i < keys.size(); ++i)
        Key(UInt8(keys[i]), 0, from + UInt32(i));
}

void HeadlessBackend::Key(UInt8 charCode, UInt16 modifiers, UInt32 at) {
    Push(at + 1, RawInput::Kind::Key, pointer_, modifiers, charCode);
}

void HeadlessBackend::Push(UInt32 delay, RawInput::Kind kind, Point where, UInt16 modifiers,
                           UInt8 charCode) {
    if (kind != RawInput::Kind::Key) pointer_ = where;
    pending_.push_back(Timed{start_ + delay, RawInput{kind, where, modifiers, charCode}});
}

bool HeadlessBackend::Fail(const ScriptCommand& command, const std::string& why) {
    messages_ << "line " << command.line << ": " << why << "\n";
    nextCommand_ = script_.commands.size();
    return true;
}

// Once the script is over, every modal dialog is cancelled and the program is asked to quit,
// again and again; a program that will not end is stopped.
std::optional<RawInput> HeadlessBackend::AfterTheEnd() {
    if (++inputsAfterEnd_ > kWindDownTurns) {
        messages_ << "The program did not quit after the script ended; it is stopped.\n";
        messages_.flush();
        std::_Exit(4);
    }
    ++clock_;
    return WindDownInput(inputsAfterEnd_, pointer_, true);
}

} // namespace platform::display
