// Where the administrator prompt of authorization services asks: in a dialog of the display the
// program runs on, or, for a command run at a terminal without a display, on the terminal.
#pragma once

// From now on the prompt is a line on the controlling terminal, as the privilege tool's own is:
// "[PROGRAM] password for NAME: " with what is typed not shown, "Sorry, try again." before it
// after a wrong password. Ctrl-D on an empty line or Ctrl-C cancels, as the dialog's Cancel
// does, and the terminal is left as it was.
void PlatformAskOnTerminal(const char* program);
