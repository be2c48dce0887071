// The seam between the platform's window model and a display: a backend yields raw input,
// keeps the clock and renders the model when it changes. The headless backend reads a script
// on a virtual clock; the terminal backend serves a person.
#pragma once

#include "Platform/Events.h"

#include <memory>
#include <optional>
#include <string>

namespace platform::display {

struct RawInput {
    enum class Kind { MouseDown, MouseUp, MouseMove, Key, Suspend, Resume, Quit };
    Kind kind = Kind::MouseMove;
    Point where{};        // global pixels
    UInt16 modifiers = 0; // cmdKey, shiftKey, optionKey, controlKey
    UInt8 charCode = 0;
    bool single = false; // made from a key: never one half of a double click
};

class Backend {
  public:
    virtual ~Backend() = default;
    // The next input, waiting at most ticks for it; nothing when the time passed without input.
    virtual std::optional<RawInput> NextInput(UInt32 ticks) = 0;
    // Sixtieths of a second since the backend started.
    virtual UInt32 Ticks() const = 0;
    virtual void Sleep(UInt32 ticks) = 0;
    // The Time Manager's clock, on the same time line as Ticks. It is read from the platform's
    // timer thread too. A virtual clock is moved on to the time a task waits for, since nothing
    // else would move it while the program waits on the task.
    virtual UInt64 Microseconds() const { return UInt64(Ticks()) * 1000000 / 60; }
    virtual bool ClockIsVirtual() const { return false; }
    virtual void AdvanceClockTo(UInt64 /*microseconds*/) {}
    virtual Rect ScreenBounds() const = 0;
    // The model changed; a backend that shows it redraws what changed.
    virtual void ModelChanged() {}
    virtual void Beep() {}
    // The desktop's clipboard, for a display that has one: edit fields cut, copy and paste
    // through it. Without one the text scrap stays the process's own.
    virtual std::optional<std::string> ReadClipboard() const { return std::nullopt; }
    virtual void WriteClipboard(const std::string& /*text*/) {}
    // Around a program that talks to the person on the same terminal (a privilege tool).
    virtual void SuspendScreen() {}
    virtual void ResumeScreen() {}
};

// The middle of a rectangle, where a click aimed at it lands.
inline Point CentreOf(const Rect& r) {
    return Point{SInt16((r.top + r.bottom) / 2), SInt16((r.left + r.right) / 2)};
}

// When input has run out (a script ended, a quit signal came): every modal dialog is cancelled
// and the program asked to quit, by turns, turn counting from 1; after kWindDownTurns the
// program is stopped. A script's end also answers a question about unsaved changes with
// Command-D, "Don't Save"; a person's interrupt never does, so that nothing is dropped unasked.
constexpr int kWindDownTurns = 200;
inline RawInput WindDownInput(int turn, Point pointer, bool dontSave) {
    const int turns = dontSave ? 3 : 2;
    if (turn % turns == 1) return RawInput{RawInput::Kind::Quit, pointer, 0, 0};
    if (dontSave && turn % turns == 2) return RawInput{RawInput::Kind::Key, pointer, cmdKey, 'd'};
    return RawInput{RawInput::Kind::Key, pointer, 0, kEscapeCharCode};
}

// The backend in use; with none installed, one with no input on the real clock.
Backend& CurrentBackend();
void InstallBackend(std::unique_ptr<Backend> backend);

// Lends the screen to another program for a scope.
class ScreenHandedOver {
  public:
    ScreenHandedOver() { CurrentBackend().SuspendScreen(); }
    ~ScreenHandedOver() { CurrentBackend().ResumeScreen(); }
    ScreenHandedOver(const ScreenHandedOver&) = delete;
    ScreenHandedOver& operator=(const ScreenHandedOver&) = delete;
};

} // namespace platform::display
