#include "Display/Desktop/ControlParts.h"

#include <algorithm>
#include <cmath>

namespace platform::display::gtk {

namespace {

// The part's control in the window's snapshot; null once it is gone.
class ControlPart : public Part {
  public:
    ControlPart(WindowContext& context, GtkWidget* widget, ControlRef id)
        : Part(context, widget), id_(id) {}

  protected:
    // Never null while the part is being brought in step: gone controls lose their parts first.
    const ControlSnapshot* Model() const { return context_.model.Control(id_); }
    void ClickIt() const {
        if (const ControlSnapshot* control = Model())
            context_.input.Click(CentreOf(control->bounds));
    }
    Rect Common(const ControlSnapshot& control) const {
        gtk_widget_set_visible(Widget(), control.visible);
        gtk_widget_set_sensitive(Widget(), control.active);
        return control.bounds;
    }

  private:
    ControlRef id_;
};

// The button the dialog's Return presses: the item the dialog names as its default.
bool IsDefault(const WindowSnapshot& window, ControlRef id) {
    const ItemSnapshot* item =
        window.isDialog ? window.dialog.Item(window.dialog.defaultItem) : nullptr;
    return item && item->control == id;
}

class ButtonPart : public ControlPart {
  public:
    ButtonPart(WindowContext& context, ControlRef id) : ControlPart(context, gtk_button_new(), id) {
        Connect(Widget(), "clicked", G_CALLBACK(+[](GtkButton*, ButtonPart* part) {
                    if (!part->Syncing()) part->ClickIt();
                }));
    }
    // The window would go on naming a gone button as its default.
    ~ButtonPart() override {
        GtkRoot* root = gtk_widget_get_root(Widget());
        if (GTK_IS_WINDOW(root) && gtk_window_get_default_widget(GTK_WINDOW(root)) == Widget())
            gtk_window_set_default_widget(GTK_WINDOW(root), nullptr);
    }
    Rect Update(const WindowSnapshot& window) override {
        const ControlSnapshot& control = *Model();
        gtk_button_set_label(GTK_BUTTON(Widget()), control.title.c_str());
        const bool isDefault = IsDefault(window, control.id);
        if (isDefault)
            gtk_widget_add_css_class(Widget(), "suggested-action");
        else
            gtk_widget_remove_css_class(Widget(), "suggested-action");
        if (isDefault && control.active) {
            GtkRoot* root = gtk_widget_get_root(Widget());
            if (GTK_IS_WINDOW(root)) gtk_window_set_default_widget(GTK_WINDOW(root), Widget());
        }
        return Common(control);
    }
};

class CheckPart : public ControlPart {
  public:
    CheckPart(WindowContext& context, ControlRef id)
        : ControlPart(context, gtk_check_button_new(), id) {
        Connect(Widget(), "toggled", G_CALLBACK(+[](GtkCheckButton*, CheckPart* part) {
                    if (!part->Syncing()) part->ClickIt();
                }));
    }
    Rect Update(const WindowSnapshot&) override {
        const ControlSnapshot& control = *Model();
        gtk_check_button_set_label(GTK_CHECK_BUTTON(Widget()), control.title.c_str());
        gtk_check_button_set_active(GTK_CHECK_BUTTON(Widget()), control.value != 0);
        return Common(control);
    }
};

// The bar's page, the part of its range in view, from the thumb's share of the track.
double PageOf(const ControlSnapshot& bar) {
    const Rect& thumb = bar.thumb;
    const int track = bar.vertical ? bar.downArrow.top - bar.upArrow.bottom
                                   : bar.downArrow.left - bar.upArrow.right;
    const int length = bar.vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
    const int range = bar.maximum - bar.minimum;
    if (length <= 0 || track <= length) return std::max(1, range);
    return std::max(1.0, double(range) * length / (track - length));
}

// The person moves the native bar; the model's arrows are clicked until it is where they put
// it, and the bar then shows where the model went.
class ScrollBarPart : public ControlPart {
  public:
    ScrollBarPart(WindowContext& context, const ControlSnapshot& control)
        : ControlPart(context,
                      gtk_scrollbar_new(control.vertical ? GTK_ORIENTATION_VERTICAL
                                                         : GTK_ORIENTATION_HORIZONTAL,
                                        nullptr),
                      control.id) {
        adjustment_ = gtk_scrollbar_get_adjustment(GTK_SCROLLBAR(Widget()));
        g_signal_connect(adjustment_, "value-changed",
                         G_CALLBACK(+[](GtkAdjustment* adjustment, ScrollBarPart* part) {
                             if (!part->Syncing())
                                 part->Moved(gtk_adjustment_get_value(adjustment));
                         }),
                         this);
    }
    ~ScrollBarPart() override { g_signal_handlers_disconnect_by_data(adjustment_, this); }
    Rect Update(const WindowSnapshot&) override {
        const ControlSnapshot& bar = *Model();
        const double page = PageOf(bar);
        gtk_adjustment_configure(adjustment_, bar.value, bar.minimum, bar.maximum + page, 1, page,
                                 page);
        return Common(bar);
    }

  private:
    void Moved(double value) {
        const ControlSnapshot* bar = Model();
        if (!bar) return;
        const int steps = int(std::lround(value)) - bar->value;
        if (steps != 0) context_.input.Scroll(*bar, steps);
    }

    GtkAdjustment* adjustment_;
};

} // namespace

std::unique_ptr<Part> MakeControlPart(WindowContext& context, const ControlSnapshot& control) {
    switch (control.kind) {
    case ControlSnapshot::Kind::ScrollBar:
        return std::make_unique<ScrollBarPart>(context, control);
    case ControlSnapshot::Kind::CheckBox:
    case ControlSnapshot::Kind::RadioButton:
        return std::make_unique<CheckPart>(context, control.id);
    default:
        return std::make_unique<ButtonPart>(context, control.id);
    }
}

} // namespace platform::display::gtk
