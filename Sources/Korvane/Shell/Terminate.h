// Ending the process at once, off the normal path (which returns from main).
#pragma once

// Closes every window, front first, then ends the process.
[[noreturn]] void Terminate();
