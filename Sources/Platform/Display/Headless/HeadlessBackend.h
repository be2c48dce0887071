// The headless display: input comes from a script, time from a virtual clock that only the
// script and the platform's own waits advance, and the screen model is printed on request.
#pragma once

#include "Display/Backend.h"
#include "Display/Headless/HeadlessScript.h"

#include <atomic>
#include <deque>
#include <ostream>

namespace platform::display {

class HeadlessBackend : public Backend {
  public:
    // Separate commands lie this far apart on the clock, so that two clicks are never a double
    // click unless the script says so.
    static constexpr UInt32 kCommandSpacing = 60;

    HeadlessBackend(HeadlessScript script, std::ostream& out, std::ostream& messages);

    std::optional<RawInput> NextInput(UInt32 ticks) override;
    UInt32 Ticks() const override { return clock_; }
    void Sleep(UInt32 ticks) override { clock_ += ticks; }
    bool ClockIsVirtual() const override { return true; }
    // To the tick that holds the time, rounded up so that the task's time has surely passed.
    void AdvanceClockTo(UInt64 microseconds) override;
    Rect ScreenBounds() const override { return Rect{0, 0, 768, 1024}; }
    void Beep() override;

    // True once the program asked for input the script did not have.
    bool ScriptEndedEarly() const { return ended_; }

  private:
    struct Timed {
        UInt32 at;
        RawInput input;
    };

    bool ExpandNextCommand();
    bool Expand(const ScriptCommand& command);
    bool Click(Point where, UInt16 modifiers, bool twice);
    bool ResolveClick(const ScriptCommand& command, Point* where);
    bool ChooseFromMenu(const ScriptCommand& command);
    // The front dialog's keyboard is in an edit field after its first.
    bool FocusPastFirstField() const;
    bool TabBack();
    bool ClickToFront(const ScriptCommand& command);
    void Drag(Point from, Point to, UInt32 at);
    void Keys(const std::string& keys, UInt32 from = 0);
    void Key(UInt8 charCode, UInt16 modifiers, UInt32 at);
    void Push(UInt32 delay, RawInput::Kind kind, Point where, UInt16 modifiers = 0,
              UInt8 charCode = 0);
    bool Fail(const ScriptCommand& command, const std::string& why);
    void AdvanceTo(UInt32 tick); // never back
    std::optional<RawInput> AfterTheEnd();

    HeadlessScript script_;
    size_t nextCommand_ = 0;
    std::deque<Timed> pending_;
    std::atomic<UInt32> clock_ = 0; // the Time Manager's thread moves it too
    UInt32 start_ = 0;              // when the command being expanded starts
    Point pointer_{};
    std::ostream& out_;
    std::ostream& messages_;
    bool ended_ = false;
    int inputsAfterEnd_ = 0;
};

} // namespace platform::display
