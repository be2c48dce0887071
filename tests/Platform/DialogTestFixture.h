// A headless display driven by a script, the application's resources, and no window left
// behind: what the dialog, control, list, text and alert tests share.
#pragma once

#include "Display/ModelPrinter.h"
#include "Display/ModelView.h"
#include "Platform/Dialogs.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/PString.h"
#include "Windows/Window.h"

#include <gmock/gmock.h>
#include <memory>
#include <vector>

inline Handle ItemHandle(DialogRef dialog, DialogItemIndex item, Rect* box = nullptr) {
    DialogItemType type;
    Handle handle;
    Rect ignored;
    GetDialogItem(dialog, item, &type, &handle, box ? box : &ignored);
    return handle;
}

inline ControlRef ControlOf(DialogRef dialog, DialogItemIndex item) {
    return reinterpret_cast<ControlRef>(ItemHandle(dialog, item));
}

inline std::string TextOf(DialogRef dialog, DialogItemIndex item) {
    Str255 text;
    GetDialogItemText(ItemHandle(dialog, item), text);
    return TextOf(text);
}

inline std::string Describe(DialogRef dialog, bool detail = false) {
    std::ostringstream out;
    const auto snapshot = platform::display::TakeSnapshot();
    platform::display::PrintDialog(out, *snapshot.Window(GetDialogWindow(dialog)), detail);
    return out.str();
}

inline DialogRef NewDialog(SInt16 dialogID) {
    return GetNewDialog(dialogID, nullptr, reinterpret_cast<WindowRef>(-1));
}

class DialogFixture : public ::testing::Test {
  protected:
    void SetUp() override { PlatformResetResourceChain(); }
    // The driver leaves no window, event or display behind, also when no script was run.
    void TearDown() override {
        if (!driver_) driver_ = std::make_unique<testsupport::HeadlessDriver>();
        driver_.reset();
        PlatformResetResourceChain();
    }

    void Script(const std::string& text) {
        if (driver_)
            driver_->Script(text);
        else
            driver_ = std::make_unique<testsupport::HeadlessDriver>(text);
    }

    // A window in front, without a close box, drawn in from now on.
    static WindowRef CurrentWindow(Rect content, const char* title) {
        WindowRef window = platform::windows::CreateWindow(content, title, true, false, 0,
                                                           reinterpret_cast<WindowRef>(-1));
        SetPort(GetWindowPort(window));
        return window;
    }

    DialogRef Open(SInt16 dialogID) {
        DialogRef dialog = NewDialog(dialogID);
        if (dialog) ShowWindow(GetDialogWindow(dialog));
        return dialog;
    }

    // Events through IsDialogEvent and DialogSelect until the script is over: the items hit.
    std::vector<DialogItemIndex> Hits() {
        std::vector<DialogItemIndex> hits;
        while (!driver_->ScriptEndedEarly()) {
            EventRecord event;
            WaitNextEvent(everyEvent, &event, 10, nullptr);
            DialogRef dialog = nullptr;
            DialogItemIndex item = 0;
            if (IsDialogEvent(&event) && DialogSelect(&event, &dialog, &item)) hits.push_back(item);
        }
        return hits;
    }

    std::string Printouts() const { return driver_->Printouts(); }
    std::string Messages() const { return driver_->Messages(); }

    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
    std::unique_ptr<testsupport::HeadlessDriver> driver_;
};
