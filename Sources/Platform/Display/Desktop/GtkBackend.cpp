#include "Display/Desktop/GtkBackend.h"

#include "Display/ModelView.h"

#include <glib-unix.h>

#include <algorithm>
#include <csignal>

namespace platform::display::gtk {

namespace {

// The desktop's line breaks are LF; the program's are CR.
std::string WithBreaks(std::string text, char from, char to) {
    if (from == '\n') std::erase(text, '\r');
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

GdkClipboard* Clipboard() {
    return gdk_display_get_clipboard(gdk_display_get_default());
}

// Runs the desktop's events for at most the time given, returning after the first.
void RunFor(UInt64 microseconds) {
    if (microseconds == 0) {
        g_main_context_iteration(nullptr, FALSE);
        return;
    }
    bool waited = false;
    const guint timer = g_timeout_add(
        guint(std::max<UInt64>(1, microseconds / 1000)),
        +[](gpointer flag) -> gboolean {
            *static_cast<bool*>(flag) = true;
            return G_SOURCE_REMOVE;
        },
        &waited);
    g_main_context_iteration(nullptr, TRUE);
    if (!waited) g_source_remove(timer);
}

} // namespace

std::unique_ptr<GtkBackend> GtkBackend::Open() {
    // The name first: the windows' class, which the desktop entry names, is taken from it.
    g_set_prgname("korvane");
    g_set_application_name("Korvane");
    if (!gtk_init_check()) return nullptr;
    gtk_window_set_default_icon_name("korvane");
    return std::unique_ptr<GtkBackend>(new GtkBackend());
}

GtkBackend::GtkBackend() : windows_(std::make_unique<WindowSet>(input_)) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        signalSources_.push_back(g_unix_signal_add(
            signal,
            +[](gpointer data) -> gboolean {
                static_cast<ModelInput*>(data)->Quit();
                return G_SOURCE_CONTINUE;
            },
            &input_));
}

GtkBackend::~GtkBackend() {
    for (guint source : signalSources_)
        g_source_remove(source);
    windows_.reset();
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
}

void GtkBackend::Show() {
    dirty_ = false;
    windows_->Show(TakeSnapshot());
}

// The model is shown only when the program is ready to wait and all it was given is taken, so
// that a field is never shown the text the program has not yet read from it.
std::optional<RawInput> GtkBackend::NextInput(UInt32 ticks) {
    if (input_.Empty()) {
        const UInt64 deadline = clock_.Microseconds() + UInt64(ticks) * 1000000 / 60;
        for (;;) {
            if (dirty_ && ticks > 0) Show();
            const UInt64 now = clock_.Microseconds();
            RunFor(now >= deadline ? 0 : std::min<UInt64>(deadline - now, 1000000));
            if (!input_.Empty() || clock_.Microseconds() >= deadline) break;
        }
    }
    std::optional<RawInput> input = input_.Take();
    if (input) dirty_ = true;
    return input;
}

void GtkBackend::Sleep(UInt32 ticks) {
    if (dirty_) Show();
    const UInt64 until = clock_.Microseconds() + UInt64(ticks) * 1000000 / 60;
    for (UInt64 now = clock_.Microseconds(); now < until; now = clock_.Microseconds())
        RunFor(until - now);
}

// At most two seconds for the clipboard's owner to answer; then the read is given up.
std::optional<std::string> GtkBackend::ReadClipboard() const {
    struct Reading {
        bool done = false;
        std::optional<std::string> text;
    } reading;
    GCancellable* cancellable = g_cancellable_new();
    gdk_clipboard_read_text_async(
        Clipboard(), cancellable,
        +[](GObject* source, GAsyncResult* result, gpointer data) {
            auto* read = static_cast<Reading*>(data);
            if (char* text =
                    gdk_clipboard_read_text_finish(GDK_CLIPBOARD(source), result, nullptr)) {
                read->text = WithBreaks(text, '\n', '\r');
                g_free(text);
            }
            read->done = true;
        },
        &reading);
    const UInt64 until = clock_.Microseconds() + 2000000;
    for (UInt64 now = clock_.Microseconds(); !reading.done && now < until;
         now = clock_.Microseconds())
        RunFor(until - now);
    g_cancellable_cancel(cancellable);
    while (!reading.done)
        g_main_context_iteration(nullptr, TRUE);
    g_object_unref(cancellable);
    return reading.text;
}

void GtkBackend::WriteClipboard(const std::string& text) {
    gdk_clipboard_set_text(Clipboard(), WithBreaks(text, '\r', '\n').c_str());
}

} // namespace platform::display::gtk
