// A headless display driven by a script, the application's resources, and no window left
// behind: what the dialog, control and alert tests share.
#pragma once

#include "Display/Headless/HeadlessBackend.h"
#include "Display/ModelView.h"
#include "Platform/Dialogs.h"
#include "Platform/PlatformTesting.h"
#include "Windows/Window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

class DialogFixture : public ::testing::Test {
  protected:
    void SetUp() override { PlatformResetResourceChain(); }

    void TearDown() override {
        while (!platform::windows::WindowList().empty()) {
            WindowRef window = platform::windows::WindowList().front();
            if (window->dialog)
                DisposeDialog(window->dialog);
            else
                DisposeWindow(window);
        }
        FlushEvents(everyEvent, 0);
        platform::display::InstallBackend(nullptr);
        PlatformResetResourceChain();
    }

    void Script(const std::string& text) {
        std::istringstream in(text);
        platform::display::HeadlessScript script = platform::display::ParseHeadlessScript(in);
        ASSERT_EQ(script.error, "");
        auto backend =
            std::make_unique<platform::display::HeadlessBackend>(script, out_, messages_);
        backend_ = backend.get();
        platform::display::InstallBackend(std::move(backend));
    }

    DialogRef Open(SInt16 dialogID) {
        DialogRef dialog = GetNewDialog(dialogID, nullptr, reinterpret_cast<WindowRef>(-1));
        if (dialog) ShowWindow(GetDialogWindow(dialog));
        return dialog;
    }

    // Events through IsDialogEvent and DialogSelect until the script is over: the items hit.
    std::vector<DialogItemIndex> Hits() {
        std::vector<DialogItemIndex> hits;
        while (!backend_->ScriptEndedEarly()) {
            EventRecord event;
            WaitNextEvent(everyEvent, &event, 10, nullptr);
            DialogRef dialog = nullptr;
            DialogItemIndex item = 0;
            if (IsDialogEvent(&event) && DialogSelect(&event, &dialog, &item)) hits.push_back(item);
        }
        return hits;
    }

    static std::string Describe(DialogRef dialog) {
        std::ostringstream out;
        platform::display::TheModelView().describeWindow(out, GetDialogWindow(dialog));
        return out.str();
    }

    static ControlRef ControlOf(DialogRef dialog, DialogItemIndex item) {
        DialogItemType type;
        Handle handle;
        Rect box;
        GetDialogItem(dialog, item, &type, &handle, &box);
        return reinterpret_cast<ControlRef>(handle);
    }

    static std::string TextOf(DialogRef dialog, DialogItemIndex item) {
        DialogItemType type;
        Handle handle;
        Rect box;
        GetDialogItem(dialog, item, &type, &handle, &box);
        Str255 text;
        GetDialogItemText(handle, text);
        return std::string(reinterpret_cast<char*>(text + 1), text[0]);
    }

    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
    std::ostringstream out_, messages_;
    platform::display::HeadlessBackend* backend_ = nullptr;
};
