// Choosing the display the program runs on, before it starts.
#pragma once

// The headless display: input comes from the script at scriptPath, on a virtual clock, and the
// script's printouts go to standard output. A script that cannot be read or parsed is reported
// on standard error ("PATH: line N: reason") and the process ends at once with status 2, before
// anything has run. When the script ends before the program does, open dialogs are cancelled
// and the program is asked to quit; when it then ends, the process exits with status 3 and says
// so on standard error, and a program that will not end is stopped with status 4.
void PlatformUseHeadlessDisplay(const char* scriptPath);

constexpr int kHeadlessScriptErrorStatus = 2;
constexpr int kHeadlessScriptEndedEarlyStatus = 3;

// The terminal display, for people: the program takes over the terminal (standard input and
// output must be one) and gives it back when it ends, also after Ctrl-C, SIGTERM or SIGHUP,
// which end it as a quit does. False, with nothing installed, when the terminal cannot move its
// cursor (TERM unset, unknown or dumb).
bool PlatformUseTerminalDisplay();

// The window display, for people at a desktop: the program's windows as the desktop's own, on
// the X11 or Wayland server that DISPLAY or WAYLAND_DISPLAY names, scaled as the desktop is.
// False, with nothing installed, when no server is named or answers, the window cannot be
// opened, or the window display's module beside the program cannot be loaded (a machine without
// the desktop's libraries); PlatformWindowDisplayRefusal then says why, in words.
bool PlatformUseWindowDisplay();
const char* PlatformWindowDisplayRefusal();
