#include "Display/Terminal/TerminalOutput.h"

#include <clocale>
#include <csignal>
#include <cstring>
#include <curses.h>
#include <cwchar>
#include <langinfo.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform::display::terminal {

namespace {

// Button presses, drags with a button held, in the extended format that has no column limit.
constexpr const char* kMouseOn = "\033[?1000h\033[?1002h\033[?1006h";
constexpr const char* kMouseOff = "\033[?1006l\033[?1002l\033[?1000l";

void WriteRaw(const char* text) {
    std::fflush(stdout);
    if (::write(STDOUT_FILENO, text, std::strlen(text)) < 0) {
        // The terminal is gone; there is nobody left to tell.
    }
}

struct Look {
    short foreground, background;
    attr_t monochrome; // what stands for the colours on a terminal without them
};

Look LookOf(Role role) {
    switch (role) {
    case Role::Desktop:
        return {COLOR_WHITE, COLOR_BLUE, A_NORMAL};
    case Role::MenuBar:
    case Role::Menu:
        return {COLOR_BLACK, COLOR_WHITE, A_REVERSE};
    case Role::ActiveFrame:
        return {COLOR_BLUE, COLOR_WHITE, A_BOLD};
    case Role::Button:
    case Role::DefaultButton:
        return {COLOR_BLACK, COLOR_CYAN, A_NORMAL};
    case Role::StopIcon:
        return {COLOR_RED, COLOR_WHITE, A_BOLD};
    case Role::CautionIcon:
        return {COLOR_BLACK, COLOR_YELLOW, A_BOLD};
    case Role::Message:
        return {COLOR_WHITE, COLOR_RED, A_BOLD};
    default:
        return {COLOR_BLACK, COLOR_WHITE, A_NORMAL};
    }
}

constexpr Role kRoles[] = {
    Role::Desktop,       Role::MenuBar,     Role::Menu,          Role::Window, Role::ActiveFrame,
    Role::InactiveFrame, Role::Button,      Role::DefaultButton, Role::Field,  Role::ScrollBar,
    Role::StopIcon,      Role::CautionIcon, Role::Message};

short PairOf(Role role) {
    return short(int(role) + 1);
}

// A crash leaves no chance to call ncurses: the terminal's modes saved at the start are put back
// directly, the mouse reports and the alternate screen switched off, and the crash goes on to
// whatever handled it before (the default, or a sanitizer's report).
termios gSavedModes{};
struct sigaction gPreviousCrashActions[NSIG];
constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void RestoreAfterCrash(int signal) {
    static const char reset[] = "\033[?1006l\033[?1002l\033[?1000l\033[0m\033[?25h\033[?1049l\r\n";
    tcsetattr(STDIN_FILENO, TCSANOW, &gSavedModes);
    if (::write(STDOUT_FILENO, reset, sizeof reset - 1) < 0) {
        // Nothing more can be done for the terminal.
    }
    sigaction(signal, &gPreviousCrashActions[signal], nullptr);
    raise(signal);
}

// The handler runs on a stack of its own, so that it runs after the program's own overflowed.
void RestoreTerminalOnCrash() {
    static char handlerStack[64 * 1024];
    stack_t stack{};
    stack.ss_sp = handlerStack;
    stack.ss_size = sizeof handlerStack;
    sigaltstack(&stack, nullptr);
    tcgetattr(STDIN_FILENO, &gSavedModes);
    struct sigaction action {};
    action.sa_flags = SA_ONSTACK;
    action.sa_handler = RestoreAfterCrash;
    sigemptyset(&action.sa_mask);
    for (int signal : kCrashSignals)
        sigaction(signal, &action, &gPreviousCrashActions[signal]);
}

void KeepCrashesAsTheyWere() {
    for (int signal : kCrashSignals)
        sigaction(signal, &gPreviousCrashActions[signal], nullptr);
}

// Box lines and the other signs need a UTF-8 character type, whatever the locale says.
void UseUtf8Characters() {
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

// Every cell is one column wide; a wide or combining character would shift the rest of the row,
// so it shows as a question mark.
const char* OneColumn(const std::string& glyph) {
    wchar_t character = 0;
    std::mbstate_t state{};
    const size_t length = std::mbrtowc(&character, glyph.data(), glyph.size(), &state);
    const bool single = length != size_t(-1) && length != size_t(-2) && wcwidth(character) == 1;
    return single || glyph == " " ? glyph.c_str() : "?";
}

} // namespace

TerminalOutput::TerminalOutput() {
    UseUtf8Characters();
    RestoreTerminalOnCrash();
    initscr();
    cbreak();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    curs_set(0);
    colours_ = has_colors();
    if (colours_) {
        start_color();
        for (Role role : kRoles)
            init_pair(PairOf(role), LookOf(role).foreground, LookOf(role).background);
    }
    WriteRaw(kMouseOn);
}

TerminalOutput::~TerminalOutput() {
    WriteRaw(kMouseOff);
    curs_set(1);
    endwin();
    KeepCrashesAsTheyWere();
}

int TerminalOutput::Columns() const {
    return COLS;
}
int TerminalOutput::Rows() const {
    return LINES;
}

void TerminalOutput::Resized() {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0)
        resize_term(size.ws_row, size.ws_col);
    shown_.reset();
}

void TerminalOutput::Write(int column, int row, const Cell& cell) {
    attr_t attributes = colours_ ? COLOR_PAIR(PairOf(cell.role)) : LookOf(cell.role).monochrome;
    if (cell.style & kBold) attributes |= A_BOLD;
    if (cell.style & kUnderline) attributes |= A_UNDERLINE;
    if (cell.style & kDim) attributes |= A_DIM;
    if (cell.style & kReverse) attributes ^= A_REVERSE;
    attrset(attributes);
    mvaddstr(row, column, OneColumn(cell.glyph));
}

void TerminalOutput::Show(CellBuffer picture, bool cursorShown, int cursorColumn, int cursorRow) {
    const bool whole =
        !shown_ || shown_->Columns() != picture.Columns() || shown_->Rows() != picture.Rows();
    if (whole) clearok(curscr, TRUE);
    for (int row = 0; row < picture.Rows(); ++row)
        for (int column = 0; column < picture.Columns(); ++column)
            if (whole || !(shown_->At(column, row) == picture.At(column, row)))
                Write(column, row, picture.At(column, row));
    shown_ = std::make_unique<CellBuffer>(std::move(picture));
    curs_set(cursorShown ? 1 : 0);
    if (cursorShown) move(cursorRow, cursorColumn);
    refresh();
}

void TerminalOutput::Beep() {
    beep();
}

void TerminalOutput::Suspend() {
    WriteRaw(kMouseOff);
    def_prog_mode();
    endwin();
}

void TerminalOutput::Resume() {
    reset_prog_mode();
    WriteRaw(kMouseOn);
    shown_.reset();
}

} // namespace platform::display::terminal
