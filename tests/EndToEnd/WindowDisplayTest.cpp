// The window display for a person: the real program in its windows on a private X server with
// a window manager, used with the mouse and the keys through xdotool, as a person at a desktop
// would.
#include "PrintServer.h"
#include "ProgramRun.h"
#include "XvfbScreen.h"

#include <cmath>
#include <functional>
#include <optional>

using namespace endtoend;

namespace {

// A window of the model: its title, and where its content lies in the model's pixels.
struct ModelWindow {
    const char* title;
    int left, top, height;
};
constexpr ModelWindow kList{"Job Accounts", 40, 48, 320}, kEditor{"Account", 64, 112, 224};

// Points of the list dialog and of the entry editor, in the model's pixels.
constexpr int kButtonX = 528, kNewY = 120, kDeleteAllY = 216, kSaveY = 264, kHelpY = 312;
constexpr int kFieldX = 372, kLoginY = 168, kUserY = 216, kIdX = 232, kIdY = 264;
constexpr int kOkX = 520, kOkY = 312;
constexpr int kRowX = 100, kFirstRowY = 120; // the list's rows, 16 pixels apart

class WindowDisplay : public ProgramTest {
  protected:
    // The program started with the arguments on the screen's display, drawn without OpenGL,
    // which Xvfb lacks, and with no screen reader to talk to unless a session bus is given.
    // Under the sanitizers no leak check: the toolkit keeps its caches to the end. The headless
    // runs check the program's own leaks.
    Started StartOn(const XvfbScreen& screen, const std::vector<std::string>& arguments,
                    const std::string& sessionBus = "") {
        const std::vector<std::pair<const char*, std::string>> settings{
            {"DISPLAY", screen.Display()},
            {"GSK_RENDERER", "cairo"},
            {"GDK_DEBUG", "gl-disable"},
            sessionBus.empty()
                ? std::pair<const char*, std::string>{"GTK_A11Y", "none"}
                : std::pair<const char*, std::string>{"DBUS_SESSION_BUS_ADDRESS", sessionBus},
            {"ASAN_OPTIONS", "detect_leaks=0"}};
        for (const auto& [name, value] : settings)
            setenv(name, value.c_str(), 1);
        const Started run = StartWith(arguments, "window", true);
        for (const auto& [name, value] : settings)
            unsetenv(name);
        return run;
    }
    // The program in its window, found on the screen.
    std::optional<Started> OpenWindow(const XvfbScreen& screen) {
        const Started run = StartOn(screen, {"--display=window"});
        if (!screen.AwaitWindow(kList.title)) return std::nullopt;
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
    void ExpectEntry(const std::string& line) {
        EXPECT_TRUE(AwaitWorkingCopy([&](const std::string& lines) {
            return lines.find(line + "\r\n") != std::string::npos;
        })) << ReadFileText(workingCopy());
    }
    // A point of a model window on the screen: its content is laid out twice as high and a
    // quarter wider, below the menu bar where it has one.
    static std::string At(const XvfbScreen& screen, const ModelWindow& model, int x, int y) {
        const std::optional<ShownWindow> shown = screen.AwaitWindow(model.title);
        if (!shown) return "0 0";
        const int above = shown->height - 2 * model.height;
        return std::to_string(shown->left + std::lround((x - model.left) * 1.25)) + " " +
               std::to_string(shown->top + above + (y - model.top) * 2);
    }
    void Click(const XvfbScreen& screen, const ModelWindow& model, int x, int y) {
        screen.Do("mousemove " + At(screen, model, x, y) + " click 1");
        Settle();
    }
    // A field clicked and its whole text replaced.
    void Fill(const XvfbScreen& screen, int y, int x, const std::string& text) {
        Click(screen, kEditor, x, y);
        Keys(screen, "ctrl+a");
        Type(screen, text);
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
    void CheckScreen(const XvfbScreen& screen, const std::optional<ShownWindow>& window,
                     const std::string& name) {
        ASSERT_TRUE(window) << name << " is not shown";
        const std::string reference =
            std::string(KORVANE_SOURCE_DIR) + "/tests/EndToEnd/data/screens/" + name + ".png";
        const Picture shown = screen.Grab(*window);
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
    void CheckScreen(const XvfbScreen& screen, const char* title, const std::string& name) {
        CheckScreen(screen, screen.AwaitWindow(title), name);
    }
};

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

    // The keys alone: Ctrl+N is New…, Tab moves between the fields, Return is OK.
    Keys(screen, "ctrl+n");
    Type(screen, "zed");
    Keys(screen, "Tab");
    Type(screen, "Zed Zimmer");
    Keys(screen, "Tab");
    Type(screen, "5");
    Keys(screen, "Return");

    // The mouse: New, each field clicked and its text replaced, OK; twice.
    const std::array<std::array<const char*, 3>, 2> byMouse{
        {{"amy", "Amy Adams", "900"}, {"bob", "Bob Brown", "77"}}};
    for (const auto& [login, user, id] : byMouse) {
        Click(screen, kList, kButtonX, kNewY);
        Fill(screen, kLoginY, kFieldX, login);
        Fill(screen, kUserY, kFieldX, user);
        Fill(screen, kIdY, kIdX, id);
        if (login == std::string("bob")) CheckScreen(screen, kEditor.title, "editor");
        Click(screen, kEditor, kOkX, kOkY);
    }

    Keys(screen, "F10 Right Right Right Down"); // the Sort menu, open
    CheckScreen(screen, screen.AwaitMenu(), "menu");
    Keys(screen, "Escape Escape");
    Keys(screen, "ctrl+3"); // Sort > By ID
    CheckScreen(screen, kList.title, "list");
    Click(screen, kList, kButtonX, kDeleteAllY);
    CheckScreen(screen, "Korvane", "alert");
    Keys(screen, "Escape");
    Click(screen, kList, kButtonX, kHelpY);
    CheckScreen(screen, "Help", "help");
    Keys(screen, "Escape");

    // Save asks for the administrator.
    Click(screen, kList, kButtonX, kSaveY);
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

// Export and import go through the desktop's file chooser: the proposed name, a file replaced
// after the chooser asked (the program does not ask again), and a file chosen to import.
TEST_F(WindowDisplay, ExportAndImportUseTheDesktopsFileChooser) {
    SKIP_UNLESS_XVFB();
    WriteJAFile("amy,900,Amy Adams\r\n");
    const std::string exported = domains.temp() / "exported.txt";
    WriteFile(exported, "old\n");
    const std::string csv = domains.temp() / "more.csv";
    WriteFile(csv, "cat,12,Cat Cole\n");
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    const std::optional<Started> run = OpenWindow(screen);
    ASSERT_TRUE(run);

    Keys(screen, "ctrl+e");
    // Written when the pictures are made anew, never compared: the chooser lists the machine's
    // own places.
    if (std::getenv("KORVANE_UPDATE_SCREENS")) CheckScreen(screen, "Korvane", "chooser");
    Keys(screen, "ctrl+a");
    Type(screen, exported);
    Keys(screen, "Return");
    Keys(screen, "Return"); // the chooser's own question: Replace
    std::string written;
    for (int i = 0; i < 100 && (written = ReadFileText(exported)) == "old\n"; ++i)
        usleep(100000);
    EXPECT_NE(written.find("Amy Adams"), std::string::npos) << written;

    Keys(screen, "ctrl+i ctrl+l");
    Type(screen, csv);
    // The first Return may only take the name the chooser completed.
    for (int i = 0; i < 3 && screen.AwaitWindow("Open", 1); ++i)
        Keys(screen, "Return");
    ASSERT_TRUE(screen.AwaitWindow("Korvane")); // the results
    Keys(screen, "Return");
    ExpectEntry("cat,12,Cat Cole");

    // A chooser cancelled leaves everything as it was, and the program goes on.
    Keys(screen, "ctrl+e");
    ASSERT_TRUE(screen.AwaitWindow("Korvane"));
    Keys(screen, "Escape");
    EXPECT_NE(ReadFileText(exported).find("Amy Adams"), std::string::npos);
    EXPECT_EQ(ReadFileText(exported).find("Cat Cole"), std::string::npos);
    QuitWithoutSaving(screen, *run);
}

// With a German layout the right Alt key is AltGr: AltGr+Q types @ and AltGr+E the euro sign.
TEST_F(WindowDisplay, AltGrTypesTheLayoutsCharacters) {
    SKIP_UNLESS_XVFB();
    if (!OnPath("setxkbmap")) GTEST_SKIP() << "needs setxkbmap (x11-xkb-utils) for a German layout";
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    if (!screen.SetLayout("de")) GTEST_SKIP() << "no German keyboard layout (xkb-data)";
    const std::optional<Started> run = OpenWindow(screen);
    ASSERT_TRUE(run);

    Keys(screen, "ctrl+n");
    Keys(screen, "a ISO_Level3_Shift+q b Tab E v e space ISO_Level3_Shift+e Tab 7 Return");
    ExpectEntry("a@b,7,Eve \xe2\x82\xac");
    QuitWithoutSaving(screen, *run);
}

// The fields are the desktop's: Ctrl+A selects the whole text, Shift with an arrow, Home or End
// moves one end of the selection, a double click selects a word; the program gets the text as
// it stands after each change.
TEST_F(WindowDisplay, FieldsEditAsTheDesktopsAndTheProgramGetsTheirText) {
    SKIP_UNLESS_XVFB();
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    const std::optional<Started> run = OpenWindow(screen);
    ASSERT_TRUE(run);

    Keys(screen, "ctrl+n");
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
    Keys(screen, "Tab ctrl+a");
    Type(screen, "Ann Smith");
    screen.Do("mousemove " + At(screen, kEditor, 226, kUserY) + " click --repeat 2 --delay 80 1");
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

    screen.Do("mousemove " + At(screen, kList, kRowX, kFirstRowY + 40) + " click 5");
    Settle();
    Click(screen, kList, kRowX, kFirstRowY);
    Keys(screen, "Delete");
    const std::string rest = NumberedLines(1, 3) + NumberedLines(5, 40);
    EXPECT_TRUE(AwaitWorkingCopy([&](const std::string& lines) { return lines == rest; }))
        << ReadFileText(workingCopy());
    QuitWithoutSaving(screen, *run);
}

// At twice the scale on a screen of 1280 x 1024 pixels every window lies on the screen whole,
// its content scrolled where it is larger, and the keys still add an account.
TEST_F(WindowDisplay, OnADenseScreenEveryWindowLiesOnTheScreen) {
    SKIP_UNLESS_XVFB();
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    setenv("GDK_SCALE", "2", 1);
    const std::optional<Started> run = OpenWindow(screen);
    unsetenv("GDK_SCALE");
    ASSERT_TRUE(run);
    const auto onScreen = [&](const char* title) {
        const std::optional<ShownWindow> shown = screen.AwaitWindow(title);
        ASSERT_TRUE(shown) << title;
        EXPECT_GE(shown->left, 0) << title;
        EXPECT_GE(shown->top, 0) << title;
        EXPECT_LE(shown->left + shown->width, 1280) << title;
        EXPECT_LE(shown->top + shown->height, 1024) << title;
    };
    onScreen(kList.title);
    Keys(screen, "ctrl+n");
    onScreen(kEditor.title);
    Type(screen, "dee");
    Keys(screen, "Tab ctrl+a");
    Type(screen, "Dee Dee");
    Keys(screen, "Tab");
    Type(screen, "8");
    Keys(screen, "Return");
    ExpectEntry("dee,8,Dee Dee");
    QuitWithoutSaving(screen, *run);
}

// A screen reader alone, through the accessibility bus: it reads the list's rows, presses New…
// by its action, fills in the fields it finds by their labels, presses OK, saves with the
// administrator prompt answered and finds the new row (tests/EndToEnd/Accessibility.py prints
// each role and name it found). The desktop's buses are private to the test.
TEST_F(WindowDisplay, AScreenReaderReadsAndDrivesEveryStep) {
    SKIP_UNLESS_ROOT();
    SKIP_UNLESS_XVFB();
    const char* launcher = "/usr/libexec/at-spi-bus-launcher";
    if (!OnPath("dbus-daemon") || !std::filesystem::exists(launcher) ||
        RunCommand({"/usr/bin/python3", "-c", "import pyatspi"}).status != 0)
        GTEST_SKIP() << "needs dbus-daemon, at-spi2-core and python3-pyatspi";
    WriteJAFile("amy,900,Amy Adams\r\n");
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    const std::string socket = domains.temp() / "session-bus";
    const std::string address = "unix:path=" + socket;
    const std::vector<std::string> desktop{"DBUS_SESSION_BUS_ADDRESS=" + address,
                                           "DISPLAY=" + screen.Display(),
                                           "HOME=" + domains.temp().str()};
    Service bus, accessibility;
    bus.Start({"dbus-daemon", "--session", "--nofork", "--address=" + address},
              domains.temp() / "bus.log");
    ASSERT_TRUE(Await([&] { return SocketAnswers(socket); }, 10));
    accessibility.Start({launcher, "--launch-immediately"}, domains.temp() / "a11y.log", desktop);
    const Started run = StartOn(screen, {"--display=window"}, address);
    ASSERT_TRUE(screen.AwaitWindow(kList.title));

    const CommandResult reader = RunCommand(
        {"/usr/bin/python3", std::string(KORVANE_SOURCE_DIR) + "/tests/EndToEnd/Accessibility.py",
         "carol", "Carol Cole", "31", "secret"},
        desktop);
    std::cout << reader.output;
    EXPECT_EQ(reader.status, 0) << reader.output;
    EXPECT_NE(reader.output.find("found list item 'Carol Cole, 31'"), std::string::npos);
    // The reader pressed its buttons without moving the keyboard's focus there.
    screen.Do("search --name '^Job Accounts$' windowactivate --sync");
    Keys(screen, "ctrl+q");
    const RunResult result = Finish(run);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(ReadFileText(jaFile()).find("carol,31,Carol Cole"), std::string::npos);
}

// The desktop's theme is the window's: under a dark one the list window is dark.
TEST_F(WindowDisplay, TheDesktopsDarkThemeMakesTheWindowsDark) {
    SKIP_UNLESS_XVFB();
    XvfbScreen screen;
    ASSERT_TRUE(screen.Running());
    testsupport::ScopedEnv dark("GTK_THEME", "Adwaita:dark");
    const std::optional<Started> run = OpenWindow(screen);
    ASSERT_TRUE(run);
    const Picture shown = screen.Grab(*screen.AwaitWindow(kList.title));
    ASSERT_FALSE(shown.rgb.empty());
    long brightness = 0;
    for (unsigned char value : shown.rgb)
        brightness += value;
    EXPECT_LT(brightness / long(shown.rgb.size()), 100) << "the window is light";
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
    ASSERT_TRUE(screen.AwaitWindow(kList.title))
        << "no window; the program said: " << ReadFileText(run.errPath);
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
