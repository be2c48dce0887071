#include "Display/Desktop/WindowSet.h"

#include "Platform/MacWindows.h"

#include <set>

namespace platform::display::gtk {

namespace {

// A point of the window's content that no window in front covers, where a click brings it
// forward; none when it is covered whole.
std::optional<Point> UncoveredPoint(const WindowSnapshot& window) {
    const Rect& content = window.content;
    for (SInt16 v = SInt16(content.top + 4); v < content.bottom; v = SInt16(v + 8))
        for (SInt16 h = SInt16(content.left + 4); h < content.right; h = SInt16(h + 8)) {
            WindowRef found = nullptr;
            if (FindWindow(Point{v, h}, &found) == inContent && found == window.id)
                return Point{v, h};
        }
    return std::nullopt;
}

} // namespace

// The windows stop reporting first: one coming to the front while the others close would
// look for itself among views half gone.
WindowSet::~WindowSet() {
    PlaceMenuBar(nullptr);
    for (const auto& [serial, view] : views_)
        g_signal_handlers_disconnect_by_data(view->Window(), this);
    views_.clear();
}

const WindowSnapshot* WindowSet::MainWindow(const ModelSnapshot& model) const {
    const WindowSnapshot* main = nullptr;
    for (const WindowSnapshot& window : model.windows)
        if (window.visible && window.hasCloseBox && (!main || window.serial < main->serial))
            main = &window;
    return main;
}

void WindowSet::Show(const ModelSnapshot& model) {
    model_ = model;
    std::set<UInt64> shown;
    for (const WindowSnapshot& window : model.windows)
        if (window.visible) shown.insert(window.serial);
    std::erase_if(choosers_, [&](const auto& view) { return !shown.contains(view.first); });
    for (auto it = views_.begin(); it != views_.end();) {
        if (shown.contains(it->first)) {
            ++it;
            continue;
        }
        if (it->second.get() == menuHolder_) PlaceMenuBar(nullptr);
        it = views_.erase(it);
    }
    const WindowSnapshot* main = MainWindow(model);
    if (main) ShowWindow(*main, model, nullptr);
    WindowView* mainView = main ? views_[main->serial].get() : nullptr;
    // Back to front, so that the front one is made last and lies on top.
    for (auto window = model.windows.rbegin(); window != model.windows.rend(); ++window)
        if (window->visible && window->serial != (main ? main->serial : 0))
            ShowWindow(*window, model, mainView ? mainView->Window() : nullptr);
    PlaceMenuBar(mainView);
    menuBar_.Show(model.menuBar, model.inModalLoop);
    const WindowSnapshot* front = model.Front();
    if (front && front->serial != front_) {
        front_ = front->serial;
        if (auto view = views_.find(front_); view != views_.end())
            gtk_window_present(view->second->Window());
    }
}

void WindowSet::ShowWindow(const WindowSnapshot& window, const ModelSnapshot& model,
                           GtkWindow* parent) {
    const bool front = model.Front() == &window;
    if (IsChooser(window)) {
        auto& chooser = choosers_[window.serial];
        if (!chooser) chooser = std::make_unique<ChooserView>(input_, window);
        chooser->Show(window, front, parent);
        return;
    }
    if (IsReplaceQuestion(window) && front)
        for (auto& [serial, chooser] : choosers_)
            if (chooser->AnswerReplaceQuestion(window)) return;
    std::unique_ptr<WindowView>& view = views_[window.serial];
    if (!view) {
        view = std::make_unique<WindowView>(input_, window);
        g_signal_connect(view->Window(), "notify::is-active",
                         G_CALLBACK(+[](GtkWindow* shown, GParamSpec*, WindowSet* set) {
                             if (gtk_window_is_active(shown)) set->Activated(shown);
                         }),
                         this);
    }
    view->Show(window, parent, front && model.inModalLoop);
}

void WindowSet::PlaceMenuBar(WindowView* main) {
    if (main == menuHolder_) return;
    if (menuHolder_) {
        menuHolder_->SetMenuBar(nullptr);
        gtk_widget_insert_action_group(GTK_WIDGET(menuHolder_->Window()), "menu", nullptr);
    }
    menuHolder_ = main;
    if (!main) return;
    main->SetMenuBar(menuBar_.Widget());
    gtk_widget_insert_action_group(GTK_WIDGET(main->Window()), "menu", menuBar_.Actions());
}

void WindowSet::Activated(GtkWindow* shown) {
    UInt64 serial = 0;
    for (const auto& [owner, view] : views_)
        if (view->Window() == shown) serial = owner;
    const WindowSnapshot* front = model_.Front();
    if (!front || front->serial == serial || model_.inModalLoop) return;
    for (const WindowSnapshot& window : model_.windows)
        if (window.serial == serial && window.visible) {
            if (const std::optional<Point> point = UncoveredPoint(window)) {
                front_ = serial;
                input_.Click(*point);
            }
            return;
        }
}

} // namespace platform::display::gtk
