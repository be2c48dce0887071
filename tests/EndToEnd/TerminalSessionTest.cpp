// The terminal display for a person: the real program in tmux, used with the keyboard alone and
// with the mouse, resized, and interrupted.
#include "ProgramRun.h"
#include "TmuxSession.h"

using namespace endtoend;

namespace {

class TerminalSession : public ProgramTest {
  protected:
    // The program in its own tmux server, with arguments given as shell words, and settings
    // of the environment as NAME=VALUE words; its exit status goes to a file when it ends.
    std::string Command(const std::string& arguments = "", const std::string& settings = "") const {
        const passwd* user = getpwuid(getuid());
        // No window: the terminal display is the one under test, whatever desktop tmux inherited.
        return "env -u DISPLAY -u WAYLAND_DISPLAY " + settings + " XDG_CONFIG_HOME='" +
               userPrefs() + "' KORVANE_LOCAL_ROOT='" + domains.localRoot() +
               "' KORVANE_ASK_AS_ROOT=1 HOME='" + std::string(user ? user->pw_dir : "/") +
               "' LANG=C.UTF-8 '" + KORVANE_BUILD_BUNDLE + "/Contents/MacOS/Korvane' " + arguments +
               "; echo $? > '" + statusFile() + "'; sleep 60";
    }
    // In the test's own folder, so that it goes with the folder whatever the test's end.
    std::string Socket() const { return domains.temp() / "tmux"; }
    std::string statusFile() const { return domains.temp() / "status"; }
    // The shell makes the status file before it writes the status: the whole line counts.
    bool WaitForExit() const {
        for (int i = 0; i < 200 && !ReadFileText(statusFile()).ends_with('\n'); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return ReadFileText(statusFile()).ends_with('\n');
    }
    // The line holding text has a stretch shown in reverse video.
    static bool ReversedLine(const std::string& screen, const std::string& text) {
        const size_t at = screen.find(text);
        if (at == std::string::npos) return false;
        const size_t start = screen.rfind('\n', at) + 1;
        const std::string line = screen.substr(start, screen.find('\n', at) - start);
        return std::regex_search(line, std::regex("\x1b\\[[0-9;]*\\b7[;m]"));
    }
    // The button with this title is drawn as the focused one: in reverse video.
    static bool Focused(const std::string& screen, const std::string& title) {
        const size_t at = screen.find(title);
        const size_t reset = at == std::string::npos ? at : screen.rfind("\x1b[0", at);
        if (reset == std::string::npos) return false;
        return screen.substr(reset, screen.find('m', reset) - reset).find(";7") !=
               std::string::npos;
    }
    // N of the "User N" shown in reverse video (the list's selected row), or 0.
    static int SelectedUser(const std::string& screen) {
        static const std::regex selected("\x1b\\[[0-9;]*\\b7[;m][^\n]*?User (\\d+)");
        std::smatch found;
        return std::regex_search(screen, found, selected) ? std::stoi(found[1]) : 0;
    }
    // Rows of the screen, top to bottom, that hold text.
    static size_t RowOf(const std::string& screen, const std::string& text) {
        const size_t at = screen.find(text);
        return at == std::string::npos
                   ? std::string::npos
                   : size_t(std::count(screen.begin(), screen.begin() + long(at), '\n'));
    }
};

} // namespace

TEST_F(TerminalSession, AddsWithKeysAndMouseSortsShowsHelpSavesAndQuits) {
    SKIP_UNLESS_ROOT();
    TmuxSession tmux(Socket(), Command());
    ASSERT_TRUE(tmux.WaitFor("Job Accounts"));

    // Keyboard alone: Tab to New, Space presses it, Tab moves between the fields.
    tmux.Keys({"Tab", "Space"});
    ASSERT_TRUE(tmux.WaitFor("Login name:"));
    tmux.Type("zed");
    tmux.Keys({"Tab"});
    tmux.Type("Zed Zimmer");
    tmux.Keys({"Tab"});
    tmux.Type("5");
    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitFor("Login name:", false));
    ASSERT_TRUE(tmux.WaitFor("Zed Zimmer"));

    // The mouse: New, then OK.
    tmux.Click("New…");
    ASSERT_TRUE(tmux.WaitFor("Login name:"));
    tmux.Type("amy");
    tmux.Keys({"Tab"});
    tmux.Type("Amy Adams");
    tmux.Keys({"Tab"});
    tmux.Type("900");
    tmux.Click("«   OK   »");
    ASSERT_TRUE(tmux.WaitFor("Amy Adams"));
    EXPECT_LT(RowOf(tmux.Screen(), "Amy Adams"), RowOf(tmux.Screen(), "Zed Zimmer"));

    // F10 opens the menus; Sort > By ID puts 5 before 900.
    tmux.Keys({"F10", "Right", "Right", "Right", "Down", "Down", "Down", "Enter"});
    for (int i = 0;
         i < 100 && RowOf(tmux.Screen(), "Zed Zimmer") > RowOf(tmux.Screen(), "Amy Adams"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_LT(RowOf(tmux.Screen(), "Zed Zimmer"), RowOf(tmux.Screen(), "Amy Adams"));

    // Down selects the first row (shown reversed); a double click opens the row it hits.
    tmux.Keys({"Down"});
    for (int i = 0; i < 100 && !ReversedLine(tmux.Screen(true), "Zed Zimmer"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(ReversedLine(tmux.Screen(true), "Zed Zimmer"));
    tmux.Click("Amy Adams");
    tmux.Click("Amy Adams");
    ASSERT_TRUE(tmux.WaitFor("Login name:  amy"));
    tmux.Keys({"Escape"});
    ASSERT_TRUE(tmux.WaitFor("Login name:", false));

    tmux.Click("Help ");
    ASSERT_TRUE(tmux.WaitFor("Choose a topic"));
    tmux.Keys({"Escape"});
    ASSERT_TRUE(tmux.WaitFor("Choose a topic", false));

    // Save asks for the administrator; the password never shows.
    tmux.Click("Save ");
    ASSERT_TRUE(tmux.WaitFor("Administrator Rights"));
    tmux.Keys({"Tab"});
    tmux.Type("secret");
    ASSERT_TRUE(tmux.WaitFor("••••••"));
    EXPECT_EQ(tmux.Screen().find("secret"), std::string::npos);
    tmux.Keys({"Enter"});
    ASSERT_TRUE(tmux.WaitFor("Administrator Rights", false));

    tmux.Type("\x1bq"); // Alt-Q: Quit
    ASSERT_TRUE(WaitForExit());
    EXPECT_EQ(ReadFileText(statusFile()), "0\n");
    const std::string saved = ReadFileText(jaFile());
    EXPECT_NE(saved.find("zed,5,Zed Zimmer"), std::string::npos) << saved;
    EXPECT_NE(saved.find("amy,900,Amy Adams"), std::string::npos) << saved;
    EXPECT_FALSE(std::filesystem::exists(workingCopy()));
}

// 80 x 24 shows the list whole, the key line giving way; smaller, the windows are cut off with a
// line saying so, and every key still works.
TEST_F(TerminalSession, SmallTerminalsShowTheWindowsCutOffAndKeepEveryKeyWorking) {
    TmuxSession tmux(Socket(), Command());
    ASSERT_TRUE(tmux.WaitFor("Job Accounts"));
    tmux.Resize(80, 24);
    ASSERT_TRUE(tmux.WaitFor("Double-click a row"));
    EXPECT_EQ(tmux.Screen().find("enlarge"), std::string::npos) << tmux.Screen();
    EXPECT_EQ(tmux.Screen().find("F10 menus"), std::string::npos) << "the key line gave way";
    tmux.Resize(80, 25);
    ASSERT_TRUE(tmux.WaitFor("Tab next  Up/Down rows  F10 menus"));
    tmux.Click("Help ");
    ASSERT_TRUE(tmux.WaitFor("Choose a topic")); // the help window whole, the key line gone
    tmux.Keys({"Escape"});
    ASSERT_TRUE(tmux.WaitFor("Choose a topic", false));
    ASSERT_TRUE(tmux.WaitFor("F10 menus"));
    tmux.Resize(60, 20);
    ASSERT_TRUE(tmux.WaitFor("Terminal too small: the windows need 76x24"));
    tmux.Keys({"Tab", "Space"}); // New…, out of sight, opens all the same
    tmux.Resize(100, 30);
    ASSERT_TRUE(tmux.WaitFor("Login name:"));
    tmux.Keys({"Escape"});
    ASSERT_TRUE(tmux.WaitFor("Login name:", false));
    tmux.Click("Help ");
    ASSERT_TRUE(tmux.WaitFor("Choose a topic"));
    tmux.Resize(60, 20);
    ASSERT_TRUE(tmux.WaitFor("Terminal too small: the windows need 77x25"));
    tmux.Keys({"Escape"}); // the help window, cut off, still closes
    tmux.Resize(100, 30);
    ASSERT_TRUE(tmux.WaitFor("Job Accounts"));
    EXPECT_EQ(tmux.Screen().find("Choose a topic"), std::string::npos) << tmux.Screen();
}

// Ctrl-C with changes not saved never drops them: the question's Cancel keeps the program
// running, so it is stopped, and the next start offers the changes again.
TEST_F(TerminalSession, CtrlCWithChangesNotSavedKeepsThemForTheNextStart) {
    SKIP_UNLESS_ROOT();
    TmuxSession tmux(Socket(), Command());
    ASSERT_TRUE(tmux.WaitFor("Job Accounts"));
    tmux.Keys({"Tab", "Space"});
    ASSERT_TRUE(tmux.WaitFor("Login name:"));
    tmux.Type("zed\t\t7\r");
    ASSERT_TRUE(tmux.WaitFor("Login name:", false));
    tmux.Click("New…");
    ASSERT_TRUE(tmux.WaitFor("Login name:"));
    tmux.Keys({"C-c"});
    ASSERT_TRUE(WaitForExit());
    EXPECT_EQ(ReadFileText(statusFile()), "4\n");
    EXPECT_TRUE(tmux.WaitFor("interrupted with changes not saved"));
    EXPECT_NE(ReadFileText(workingCopy()).find("zed,7,"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(jaFile()));

    std::filesystem::remove(statusFile());
    TmuxSession again(Socket() + "2", Command());
    EXPECT_TRUE(again.WaitFor("Recover them?"));
}

// Keys sent in one write reach the program in one read; each moves the selection on from where
// the one before left it, scrolling the list, and none makes a double click.
TEST_F(TerminalSession, ArrowKeysSentTogetherMoveAsManyRowsAndOpenNothing) {
    WriteJAFile(NumberedLines(1, 40));
    TmuxSession tmux(Socket(), Command());
    ASSERT_TRUE(tmux.WaitFor("User 11"));
    auto times = [](int count, const char* key) {
        return std::vector<std::string>(size_t(count), key);
    };
    // The keys, and the row selected after them (from 0; nothing is selected at first).
    const std::vector<std::pair<std::vector<std::string>, int>> steps = {
        {times(2, "Down"), 1},  {times(2, "Down"), 3},  {times(2, "Up"), 1},
        {times(1, "Up"), 0},    {times(2, "Down"), 2},  {times(3, "Down"), 5},
        {times(2, "Up"), 3},    {times(3, "Down"), 6},  {times(3, "Down"), 9},
        {times(3, "Down"), 12}, {times(3, "Down"), 15}, {times(2, "Down"), 17},
        {times(2, "Up"), 15},   {times(3, "Down"), 18}, {times(3, "Up"), 15},
        {times(3, "Up"), 12},   {times(3, "Up"), 9},    {times(2, "Up"), 7}};
    for (const auto& [keys, row] : steps) {
        tmux.Keys(keys);
        for (int i = 0; i < 200 && SelectedUser(tmux.Screen(true)) != row + 1; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_EQ(SelectedUser(tmux.Screen(true)), row + 1) << tmux.Screen();
        ASSERT_EQ(tmux.Screen().find("Login name:"), std::string::npos) << "at row " << row;
    }
}

// A subcommand asks on a line of the terminal, as sudo does, not on a screen of its own: what is
// typed is not shown, a wrong password is asked for again up to three times, and Ctrl-C or
// three wrong ones refuse as the dialog's Cancel does.
TEST_F(TerminalSession, ASubcommandAsksForThePasswordOnALineThreeTimesAtMost) {
    SKIP_UNLESS_ROOT();
    WriteJAFile(kThreeEntries);
    // The screen as tmux gives it holds no spaces at the ends of lines.
    const std::string prompt = "[korvane] password for " + CurrentLogin() + ":";
    const std::string settings = "KORVANE_ASK_AS_ROOT_PASSWORD=right";
    auto count = [](const std::string& screen, const std::string& text) {
        size_t found = 0;
        for (size_t at = 0; (at = screen.find(text, at)) != std::string::npos; at += text.size())
            ++found;
        return found;
    };
    auto refused = [&](TmuxSession& tmux) {
        ASSERT_TRUE(WaitForExit());
        EXPECT_EQ(ReadFileText(statusFile()), "1\n");
        EXPECT_TRUE(tmux.WaitFor("korvane: administrator rights refused; nothing was saved"));
        EXPECT_EQ(ReadFileText(jaFile()), kThreeEntries);
        // The terminal echoes again.
        tmux.Type("shown");
        EXPECT_TRUE(tmux.WaitFor("shown"));
        std::filesystem::remove(statusFile());
    };
    {
        TmuxSession tmux(Socket(), Command("remove bob", settings));
        ASSERT_TRUE(tmux.WaitFor(prompt));
        for (size_t tries = 1; tries <= 3; ++tries) {
            tmux.Type("wrong\r");
            for (int i = 0; i < 200 && count(tmux.Screen(), "Sorry, try again.") < tries &&
                            !std::filesystem::exists(statusFile());
                 ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        refused(tmux);
        const std::string screen = tmux.Screen();
        EXPECT_EQ(count(screen, prompt), 3u) << screen;
        EXPECT_EQ(count(screen, "Sorry, try again."), 2u) << screen;
        EXPECT_EQ(screen.find("wrong"), std::string::npos) << screen;
        EXPECT_EQ(screen.rfind(prompt, 0), 0u) << "the first line, no screen of its own\n"
                                               << screen;
    }
    {
        // A server of its own: the one before may still be going away.
        TmuxSession tmux(Socket() + "-interrupted", Command("remove bob", settings));
        ASSERT_TRUE(tmux.WaitFor(prompt));
        tmux.Type("righ");
        tmux.Keys({"C-c"});
        refused(tmux);
    }
    TmuxSession tmux(Socket() + "-again", Command("remove bob", settings));
    ASSERT_TRUE(tmux.WaitFor(prompt));
    tmux.Type("wrong\r");
    ASSERT_TRUE(tmux.WaitFor("Sorry, try again."));
    tmux.Type("right\r");
    ASSERT_TRUE(WaitForExit());
    EXPECT_EQ(ReadFileText(statusFile()), "0\n");
    EXPECT_TRUE(tmux.WaitFor("removed bob"));
    EXPECT_EQ(ReadFileText(jaFile()), Lines({{"anna", "5", "Anna A"}, {"carl", "9", "Carl C"}}));
}

// After a row is chosen with the keys, each Tab shows the button it moves to, in the order of
// the layout, and comes back to the list; Space presses only the button shown, and a button
// that goes inactive loses the focus.
TEST_F(TerminalSession, TabShowsTheFocusInLayoutOrderAndSpacePressesOnlyTheButtonShown) {
    WriteJAFile(kThreeEntries);
    TmuxSession tmux(Socket(), Command());
    ASSERT_TRUE(tmux.WaitFor("Anna A"));
    tmux.Keys({"Down"});
    const std::vector<std::string> buttons = {"New…", "Edit…", "Delete ", "Delete All…", "Help"};
    auto focusedButtons = [&](const std::string& screen) {
        std::vector<std::string> focused;
        for (const std::string& button : buttons)
            if (Focused(screen, button)) focused.push_back(button);
        return focused;
    };
    for (const std::string& expected : buttons) {
        tmux.Keys({"Tab"});
        for (int i = 0; i < 100 && !Focused(tmux.Screen(true), expected); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(focusedButtons(tmux.Screen(true)), std::vector<std::string>{expected});
    }
    tmux.Keys({"Tab"}); // back to the list: no button shows the focus
    for (int i = 0; i < 100 && !focusedButtons(tmux.Screen(true)).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(focusedButtons(tmux.Screen(true)).empty()) << tmux.Screen(true);

    tmux.Keys({"Tab", "Tab", "Tab"});
    ASSERT_TRUE(tmux.WaitFor("Anna A"));
    for (int i = 0; i < 100 && !Focused(tmux.Screen(true), "Delete "); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    tmux.Keys({"Space"});
    ASSERT_TRUE(tmux.WaitFor("Anna A", false));
    // Nothing is selected now, so Delete is inactive and Space presses nothing.
    tmux.Keys({"Space"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_NE(tmux.Screen().find("Bob B"), std::string::npos);
    EXPECT_NE(tmux.Screen().find("Carl C"), std::string::npos);
    EXPECT_TRUE(focusedButtons(tmux.Screen(true)).empty()) << tmux.Screen(true);
}

// A terminal that cannot move its cursor gets words and the command line's advice, not an
// invisible screen.
TEST_F(TerminalSession, ADumbTerminalIsToldToUseAnotherOrTheCommandLine) {
    TmuxSession tmux(Socket(), "env TERM=dumb " + Command());
    // The program's own path leads the message, so where its line wraps depends on the checkout.
    ASSERT_TRUE(tmux.WaitFor("(TERM=dumb) cannot"));
    EXPECT_TRUE(tmux.WaitFor("  korvane list"));
    ASSERT_TRUE(WaitForExit());
    EXPECT_EQ(ReadFileText(statusFile()), "2\n");
}
