// The desktop's libraries are mapped only by the window display's module, which the program
// loads from beside itself when the window is chosen: the program and the commit helper need
// none of them, and a program whose module is missing runs as on a machine without a desktop.
#include "ProgramRun.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

using namespace endtoend;

namespace {

// The shared libraries a file needs, directly and through others, as the loader resolves them.
std::vector<std::string> NeededLibraries(const std::string& file) {
    std::vector<std::string> names;
    FILE* pipe = popen(("ldd '" + file + "' 2>&1").c_str(), "r");
    if (!pipe) return names;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        const std::string text = line;
        const size_t start = text.find_first_not_of(" \t");
        if (start != std::string::npos)
            names.push_back(text.substr(start, text.find_first_of(" \t\n", start) - start));
    }
    pclose(pipe);
    return names;
}

// A library of a window system, a desktop toolkit or what they bring along (sound, fonts,
// the session bus).
bool IsDesktopLibrary(const std::string& name) {
    for (const char* part :
         {"libX", "libxcb", "wayland", "xkbcommon", "decor", "gtk", "gdk", "glib", "gobject",
          "gio-", "cairo", "pango", "freetype", "pulse", "asound", "dbus", "systemd"})
        if (name.find(part) != std::string::npos) return true;
    return false;
}

std::vector<std::string> DesktopLibraries(const std::string& file) {
    std::vector<std::string> found;
    for (const std::string& name : NeededLibraries(file))
        if (IsDesktopLibrary(name)) found.push_back(name);
    return found;
}

class WindowModule : public ProgramTest {
  protected:
    std::string macOS() const { return bundle + "/Contents/MacOS/"; }
};

TEST_F(WindowModule, OnlyTheModuleBesideTheProgramNeedsTheDesktopsLibraries) {
    for (const char* program : {"Korvane", "korvane-commit"}) {
        const std::vector<std::string> needed = NeededLibraries(macOS() + program);
        EXPECT_NE(std::find_if(needed.begin(), needed.end(),
                               [](const std::string& name) { return name.starts_with("libc.so"); }),
                  needed.end())
            << program << ": ldd read no libraries";
        EXPECT_EQ(DesktopLibraries(macOS() + program), std::vector<std::string>{}) << program;
    }
    const std::string module = macOS() + "korvane-window.so";
    ASSERT_TRUE(std::filesystem::is_regular_file(module)) << module;
    EXPECT_NE(DesktopLibraries(module), std::vector<std::string>{}) << module;
}

// With no server at the display named, the program gets as far as the display server only when
// the module loaded and found everything it calls in the program.
TEST_F(WindowModule, TheProgramLoadsItsModuleAndWithoutItFallsBackAsWithoutADesktop) {
    testsupport::ScopedEnv display("DISPLAY", ":4093"), wayland("WAYLAND_DISPLAY", "");
    // Under the sanitizers no leak check: the toolkit's attempt leaves its start-up
    // allocations behind, as in the window display's own tests.
    testsupport::ScopedEnv noLeakCheck("ASAN_OPTIONS", "detect_leaks=0");
    const RunResult loaded = RunWith({"--display=window"});
    EXPECT_EQ(loaded.status, 2);
    EXPECT_NE(loaded.err.find("cannot open a window: no display server answers"), std::string::npos)
        << loaded.err;

    // A copy of the bundle without the module: the window is refused, saying why, when asked
    // for; otherwise the script on standard input runs, and nothing is said.
    const std::string copy = domains.temp() / "Korvane.app";
    std::filesystem::copy(bundle, copy, std::filesystem::copy_options::recursive);
    bundle = copy;
    std::filesystem::remove(macOS() + "korvane-window.so");
    const RunResult refused = RunWith({"--display=window"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("cannot open a window: the window display's module cannot be "
                               "loaded: " +
                               macOS() + "korvane-window.so: cannot open shared object file"),
              std::string::npos)
        << refused.err;

    input = domains.temp() / "piped.script";
    WriteFile(input, "print\nquit\n");
    const RunResult fellBack = RunWith({});
    EXPECT_EQ(fellBack.status, 0) << fellBack.err;
    EXPECT_EQ(fellBack.err, "");
    ASSERT_EQ(fellBack.screens.size(), 1u) << fellBack.out;
    EXPECT_EQ(fellBack.screens[0].front().title, kListTitle);
}

} // namespace
