// The window display on the X server DISPLAY names (Xvfb will do:
// `Xvfb :9 & DISPLAY=:9 GSK_RENDERER=cairo build/bench/KorvaneBench --benchmark_filter=Window`),
// skipped without one:
// - its answer to a key: End or Home pressed on the server over the list of 5000 accounts,
//   through the program's own handling of the key (the list's last or first page shown and
//   selected), to the list window painted anew. The desktop paints at its next frame, so the
//   time holds up to a frame's wait; the counters give the work: the program's part, from the
//   key pressed to the key handled, and the frame's, from the widgets' layout to the picture;

// - its start-up: the program started until its list window shows.
#include "Display/Desktop/GtkBackend.h"
#include "Korvane/Shell/EventLoop.h"
#include "OpenList.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>
#include <gdk/x11/gdkx.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace platform::display;

GtkWindow* ListWindow() {
    GListModel* windows = gtk_window_get_toplevels();
    for (guint i = 0; i < g_list_model_get_n_items(windows); ++i) {
        auto* window = GTK_WINDOW(g_list_model_get_item(windows, i));
        g_object_unref(window);
        if (g_strcmp0(gtk_window_get_title(window), "Job Accounts") == 0 &&
            gtk_widget_get_mapped(GTK_WIDGET(window)))
            return window;
    }
    return nullptr;
}

// Runs the window display until the list window shows; null after five seconds without.
GtkWindow* AwaitListWindow() {
    for (int i = 0; i < 300; ++i) {
        if (GtkWindow* window = ListWindow()) return window;
        CurrentBackend().NextInput(1);
    }
    return nullptr;
}

// The list's widget, which has the keys as when a person clicked it.
GtkWidget* ListIn(GtkWidget* widget) {
    if (GTK_IS_LIST_BOX(widget)) return widget;
    for (GtkWidget* child = gtk_widget_get_first_child(widget); child;
         child = gtk_widget_get_next_sibling(child))
        if (GtkWidget* found = ListIn(child)) return found;
    return nullptr;
}

void Press(Display* server, KeySym key) {
    const KeyCode code = XKeysymToKeycode(server, key);
    XTestFakeKeyEvent(server, code, True, CurrentTime);
    XTestFakeKeyEvent(server, code, False, CurrentTime);
    XFlush(server);
}

void BM_WindowAnswersAKeyInTheList(benchmark::State& state) {
    std::unique_ptr<gtk::GtkBackend> opened;
    if (std::getenv("DISPLAY")) opened = gtk::GtkBackend::Open();
    if (!opened) return state.SkipWithError("needs an X server in DISPLAY");
    InstallBackend(std::move(opened));
    bench::OpenList list(kJAMaxEntries);
    GtkWindow* window = list.ok() ? AwaitListWindow() : nullptr;
    if (!window) return state.SkipWithError("the list window did not show");
    gtk_window_present(window);
    if (GtkWidget* rows = ListIn(GTK_WIDGET(window))) gtk_widget_grab_focus(rows);
    Display* server = gdk_x11_display_get_xdisplay(gdk_display_get_default());
    GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window));
    XSetInputFocus(server, gdk_x11_surface_get_xid(surface), RevertToParent, CurrentTime);
    using Clock = std::chrono::steady_clock;
    struct Frames {
        int paints = 0;
        Clock::time_point started, painted;
    } frames;
    GdkFrameClock* frameClock = gtk_widget_get_frame_clock(GTK_WIDGET(window));
    g_signal_connect(
        frameClock, "layout",
        G_CALLBACK(+[](GdkFrameClock*, Frames* seen) { seen->started = Clock::now(); }), &frames);
    g_signal_connect(frameClock, "after-paint", G_CALLBACK(+[](GdkFrameClock*, Frames* seen) {
                         seen->painted = Clock::now();
                         ++seen->paints;
                     }),
                     &frames);
    const int& paints = frames.paints;
    double program = 0, frame = 0;
    bool end = true;
    for (auto _ : state) {
        const Clock::time_point pressed = Clock::now();
        Press(server, end ? XK_End : XK_Home);
        end = !end;
        // The program's turns, as its main loop takes them, until it took the key; then the
        // window's until it was painted after it.
        do
            RunMainLoopTurn(list.context());
        while (list.context()->theEvent.what != keyDown);
        program += std::chrono::duration<double, std::milli>(Clock::now() - pressed).count();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (const int before = paints; paints == before;) {
            if (std::chrono::steady_clock::now() > deadline)
                return state.SkipWithError("the window was not painted after the key");
            CurrentBackend().NextInput(1);
        }
        frame += std::chrono::duration<double, std::milli>(frames.painted - frames.started).count();
        // Apart from the measure: the desktop paints at most a frame each 16 ms.
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        state.ResumeTiming();
    }
    state.counters["program_ms"] = program / double(state.iterations());
    state.counters["frame_ms"] = frame / double(state.iterations());
    InstallBackend(nullptr);
}
BENCHMARK(BM_WindowAnswersAKeyInTheList)->Unit(benchmark::kMillisecond)->Iterations(100);

// Whether a shown top-level window, or one in a frame, has the title.
bool Shows(Display* server, Window parent, const char* title, int depth) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(server, parent, &root, &up, &children, &count)) return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (!XGetWindowAttributes(server, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        found = XFetchName(server, children[i], &name) && name && std::strcmp(name, title) == 0;
        if (name) XFree(name);
        found = found || (depth < 2 && Shows(server, children[i], title, depth + 1));
    }
    XFree(children);
    return found;
}

void BM_WindowStartsUp(benchmark::State& state) {
    const char* named = std::getenv("DISPLAY");
    Display* server = named ? XOpenDisplay(named) : nullptr;
    if (!server) return state.SkipWithError("needs an X server in DISPLAY");
    testsupport::ScopedDomains domains;
    const std::string program = std::string(KORVANE_BUILD_BUNDLE) + "/Contents/MacOS/Korvane";
    for (auto _ : state) {
        const pid_t pid = fork();
        if (pid == 0) {
            execl(program.c_str(), program.c_str(), "--display=window", nullptr);
            _exit(127);
        }
        while (!Shows(server, DefaultRootWindow(server), "Job Accounts", 0))
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        state.PauseTiming();
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::filesystem::remove_all(domains.userPreferences());
        state.ResumeTiming();
    }
    XCloseDisplay(server);
}
BENCHMARK(BM_WindowStartsUp)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
