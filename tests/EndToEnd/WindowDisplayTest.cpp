// The window display for a person: the real program in a window on a private X server, used
// with the mouse and the keys through xdotool, as a person at a desktop would.
#include "ProgramRun.h"
#include "XvfbScreen.h"

#include <functional>
#include <optional>
#include <sstream>

using namespace endtoend;

namespace {

class WindowDisplay : public ProgramTest {
  protected:
    // The program started with the arguments on the screen's display, at scale 1. Under the
    // sanitizers no leak check: SDL loads and unloads the desktop's libraries (the bus, the
    // input methods), whose leftovers then show without a name to tell them by. The headless
    // runs check the program's own leaks.
    Started StartOn(const XvfbScreen& screen, const std::vector<std::string>& arguments) {
        setenv("DISPLAY", screen.Display().c_str(), 1);
        setenv("KORVANE_SCALE", "1", 1);
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        const Started run = StartWith(arguments, "window", true);
        unsetenv("DISPLAY");
        unsetenv("KORVANE_SCALE");
        unsetenv("ASAN_OPTIONS");
        return run;
    }
    // The program in its window, found on the screen.
    std::optional<Started> OpenWindow(const XvfbScreen& screen) {
        const Started run = StartOn(screen, {"--display=window"});
        if (!FindWindow(screen)) return std::nullopt;
        Settle();
        return run;
    }
    // Quits, letting the changes go, and checks that the program ended well.
    void QuitWithoutSaving(const XvfbScreen& screen, const Started& run) {
        Keys(screen, "ctrl+q ctrl+d");
        const RunResult result = Finish(run);
        EXPECT_EQ(result.status, 0) << result.err;
    }
    // Waits, at most 20 seconds, until the working copy holds what is expected: the program
    // writes every change to it at once.
    bool AwaitWorkingCopy(const std::function<bool(const std::string&)>& holds) {
        for (int i = 0; i < 400; ++i, usleep(50000))
            if (holds(ReadFileText(workingCopy()))) return true;
        return false;
    }
    // The same, until it holds the entry's line.
    void ExpectEntry(const std::string& line) {
        EXPECT_TRUE(AwaitWorkingCopy([&](const std::string& lines) {
            return lines.find(line + "\r\n") != std::string::npos;
        })) << ReadFileText(workingCopy());
    }
    // Where the window's top left corner lies on the screen.
    bool FindWindow(const XvfbScreen& screen) {
        const std::string out = domains.temp() / "geometry";
        if (!screen.Do("search --sync --name '^Korvane$' getwindowgeometry --shell > '" + out +
                       "'"))
            return false;
        std::istringstream lines(ReadFileText(out));
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("X=")) left_ = std::stoi(line.substr(2));
            if (line.starts_with("Y=")) top_ = std::stoi(line.substr(2));
        }
        return true;
    }
    // A click at a point of the model's screen, then time for the program to answer.
    void Click(const XvfbScreen& screen, int x, int y) {
        screen.Do("mousemove " + At(x, y) + " click 1");
        Settle();
    }
    // A drag along a line from one point to another, as over a field's text to select it (from
    // its right, so that it ends before the first character).
    void Drag(const XvfbScreen& screen, int fromX, int toX, int y) {
        screen.Do("mousemove " + At(fromX, y) + " mousedown 1 mousemove " + At(toX, y) +
                  " mouseup 1");
        Settle();
    }
    std::string At(int x, int y) const {
        return std::to_string(left_ + x) + " " + std::to_string(top_ + y);
    }
    void Keys(const XvfbScreen& screen, const std::string& keys) {
        screen.Do("key --delay 60 " + keys);
        Settle();
    }
    void Type(const XvfbScreen& screen, const std::string& text) {
        screen.Do("type --delay 40 '" + text + "'");
        Settle();
    }
    static void Settle() { std::this_thread::sleep_for(std::chrono::milliseconds(400)); }

    // The window as it shows now against its reference picture, which
    // tools/update-reference-screens.sh writes instead. Fonts may rasterize a little differently:
    // at most 0.5% of the pixels may differ by more than a small step.
    void CheckScreen(const XvfbScreen& screen, const std::string& name) {
        const std::string reference =
            std::string(KORVANE_SOURCE_DIR) + "/tests/EndToEnd/data/screens/" + name + ".png";
        const Picture shown = screen.Grab(left_, top_, 1024, 768);
        if (std::getenv("KORVANE_UPDATE_SCREENS")) {
            EXPECT_TRUE(WritePng(reference, shown)) << reference;
            return;
        }
        const Picture expected = ReadPng(reference);
        ASSERT_EQ(expected.width, shown.width) << reference;
        ASSERT_EQ(expected.height, shown.height) << reference;
        size_t differing = 0;
        for (size_t i = 0; i < shown.rgb.size(); i += 3)
            for (size_t k = 0; k < 3; ++k)
                if (std::abs(int(shown.rgb[i + k]) - int(expected.rgb[i + k])) > 48) {
                    ++differing;
                    break;
                }
        const size_t allowed = shown.rgb.size() / 3 / 200;
        if (differing > allowed)
            WritePng(domains.temp() / (name + ".png"), shown); // kept only while the test runs
        EXPECT_LE(differing, allowed) << name << ": " << differing << " pixels differ";
    }

    int left_ = 0, top_ = 0;
};

// Points of the list dialog and of the entry editor, in the model's pixels.
constexpr int kNewX = 527, kNewY = 120, kDeleteAllY = 215, kSaveY = 263, kHelpY = 311;
constexpr int kSortX = 152, kMenuY = 8;
constexpr int kFieldLeft = 185, kFieldRight = 540, kLoginY = 168, kUserY = 215, kIdX = 230,
              kIdY = 263;
constexpr int kOkX = 520, kOkY = 311;
constexpr int kRowX = 100, kFirstRowY = 120; // the list's rows, 16 pixels apart

} // namespace

#define SKIP_UNLESS_XVFB()                                                                         \
    if (!OnPath("Xvfb") || !OnPath("xdotool")) GTEST_SKIP() << "needs Xvfb and xdotool"

TEST_F(WindowDisplay, AddsWithMouseAndKeysSortsShowsHelpSavesAndQuits) {
    SKIP_UNLESS_ROOT();
    SKIP_UNLESS_XVFB();
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    const std::optional<Started> opened = OpenWindow(screen);
    ASSERT_TRUE(opened);
    const Started& run = *opened;

    // The keys alone: Tab to New, Space presses it, Tab moves between the fields.
    Keys(screen, "Tab space");
    Type(screen, "zed");
    Keys(screen, "Tab");
    Type(screen, "Zed Zimmer");
    Keys(screen, "Tab");
    Type(screen, "5");
    Keys(screen, "Return");

    // The mouse: New, a drag over the text each field holds (the editor fills in the user's
    // own names) or a click in an empty one, OK; twice.
    const std::array<std::array<const char*, 3>, 2> byMouse{
        {{"amy", "Amy Adams", "900"}, {"bob", "Bob Brown", "77"}}};
    for (const auto& [login, user, id] : byMouse) {
        Click(screen, kNewX, kNewY);
        Drag(screen, kFieldRight, kFieldLeft, kLoginY);
        Type(screen, login);
        Drag(screen, kFieldRight, kFieldLeft, kUserY);
        Type(screen, user);
        Click(screen, kIdX, kIdY);
        Type(screen, id);
        if (login == std::string("bob")) CheckScreen(screen, "editor");
        Click(screen, kOkX, kOkY);
    }

    Click(screen, kSortX, kMenuY); // the menu stays open after a click on its title
    CheckScreen(screen, "menu");
    Keys(screen, "Escape");
    Keys(screen, "ctrl+3"); // Sort > By ID
    CheckScreen(screen, "list");
    Click(screen, kNewX, kDeleteAllY);
    CheckScreen(screen, "alert");
    Keys(screen, "Escape");
    Click(screen, kNewX, kHelpY);
    CheckScreen(screen, "help");
    Keys(screen, "Escape");

    // Save asks for the administrator.
    Click(screen, kNewX, kSaveY);
    Keys(screen, "Tab");
    Type(screen, "secret");
    Keys(screen, "Return");
    Keys(screen, "ctrl+q");

    const RunResult result = Finish(run);
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string saved = ReadFileText(jaFile());
    const size_t zed = saved.find("zed,5,Zed Zimmer"), bob = saved.find("bob,77,Bob Brown"),
                 amy = saved.find("amy,900,Amy Adams");
    ASSERT_NE(zed, std::string::npos) << saved;
    ASSERT_NE(bob, std::string::npos) << saved;
    ASSERT_NE(amy, std::string::npos) << saved;
    EXPECT_LT(zed, bob) << saved;
    EXPECT_LT(bob, amy) << saved;
    EXPECT_FALSE(std::filesystem::exists(workingCopy()));
}

// With a German layout the right Alt key is AltGr: AltGr+Q types @ and AltGr+E the euro sign,
// where Alt+Q would quit.
TEST_F(WindowDisplay, AltGrTypesTheLayoutsCharactersAndIsNoCommandKey) {
    SKIP_UNLESS_XVFB();
    if (!OnPath("setxkbmap")) GTEST_SKIP() << "needs setxkbmap (x11-xkb-utils) for a German layout";
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    if (!screen.SetLayout("de")) GTEST_SKIP() << "no German keyboard layout (xkb-data)";
    const std::optional<Started> run = OpenWindow(screen);
    ASSERT_TRUE(run);

    Keys(screen, "Tab space"); // New
    Keys(screen, "a ISO_Level3_Shift+q b Tab E v e space ISO_Level3_Shift+e Tab 7 Return");
    ExpectEntry("a@b,7,Eve \xe2\x82\xac");
    QuitWithoutSaving(screen, *run);
}

// Ctrl+A selects a field's whole text; Shift with an arrow, Home or End moves one end of the
// selection; a double click selects a word. Each step leaves its own trace in what is saved.
TEST_F(WindowDisplay, FieldsSelectAllExtendWithShiftAndTakeAWordOnADoubleClick) {
    SKIP_UNLESS_XVFB();
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    const std::optional<Started> run = OpenWindow(screen);
    ASSERT_TRUE(run);

    Keys(screen, "Tab space"); // New
    Type(screen, "alpha beta");
    Keys(screen, "ctrl+a");
    Type(screen, "kate");
    Keys(screen, "Home shift+Right");
    Type(screen, "m"); // mate
    Keys(screen, "End shift+Left shift+Left");
    Type(screen, "ry"); // mary
    Keys(screen, "Left shift+End");
    Type(screen, "k"); // mark
    Keys(screen, "Home Right shift+Home");
    Type(screen, "cl"); // clark
    Keys(screen, "Tab");
    Type(screen, "Ann Smith");
    screen.Do("mousemove " + At(kFieldLeft + 51, kUserY) + " click --repeat 2 --delay 80 1");
    Settle();
    Type(screen, "Jones");
    Keys(screen, "Tab");
    Type(screen, "42");
    Keys(screen, "Return");
    ExpectEntry("clark,42,Ann Jones");
    QuitWithoutSaving(screen, *run);
}

// A notch of the wheel over the list scrolls it three rows: the top row shown is then the
// fourth account, which a click selects and Delete deletes.
TEST_F(WindowDisplay, TheWheelScrollsTheListThreeRowsANotch) {
    SKIP_UNLESS_XVFB();
    WriteJAFile(NumberedLines(1, 40));
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    const std::optional<Started> run = OpenWindow(screen);
    ASSERT_TRUE(run);

    screen.Do("mousemove " + At(kRowX, kFirstRowY + 40) + " click 5");
    Settle();
    Click(screen, kRowX, kFirstRowY);
    Keys(screen, "Delete");
    const std::string rest = NumberedLines(1, 3) + NumberedLines(5, 40);
    EXPECT_TRUE(AwaitWorkingCopy([&](const std::string& lines) { return lines == rest; }))
        << ReadFileText(workingCopy());
    QuitWithoutSaving(screen, *run);
}

// Started without a terminal on standard input (from a launcher, or with nohup), the program
// opens its window on a desktop. A script on standard input runs by itself where there is no
// desktop, and with --script - on one.
TEST_F(WindowDisplay, WithoutATerminalADesktopGetsTheWindowAndAScriptNeedsScriptDash) {
    input = domains.temp() / "piped.script";
    WriteFile(input, "print\nquit\n");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const RunResult piped = RunWith({});
    EXPECT_EQ(piped.status, 0) << piped.err;
    ASSERT_EQ(piped.screens.size(), 1u) << piped.out;
    EXPECT_EQ(piped.screens[0].front().title, kListTitle);

    SKIP_UNLESS_XVFB();
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    const RunResult dashed = Finish(StartOn(screen, {"--script", "-"}));
    EXPECT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(dashed.screens.size(), 1u) << dashed.out;

    input = "/dev/null";
    const Started run = StartOn(screen, {});
    ASSERT_TRUE(FindWindow(screen)) << "no window; the program said: " << ReadFileText(run.errPath);
    Settle();
    Keys(screen, "ctrl+q");
    const RunResult windowed = Finish(run);
    EXPECT_EQ(windowed.status, 0) << windowed.err;
    EXPECT_EQ(windowed.out, "");
}

// Two servers at once each take a display number of their own, and each test talks to the
// server it started, never to one that held its number already.
TEST(XvfbScreens, TwoAtOnceAnswerEachOnItsOwnDisplay) {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
    XvfbScreen first, second;
    ASSERT_TRUE(first.Running());
    ASSERT_TRUE(second.Running());
    EXPECT_NE(first.Display(), second.Display());
}
