#include "Display/Desktop/ListPart.h"

#include "Display/Desktop/KeyCodes.h"
#include "Display/ModelView.h"

#include <string>
#include <vector>

namespace platform::display::gtk {

namespace {

const ListSnapshot* ListIn(const WindowSnapshot& window, ListHandle id) {
    for (const ListSnapshot& list : window.lists)
        if (list.id == id) return &list;
    return nullptr;
}

std::string RowName(const ListRowSnapshot& row) {
    std::string name;
    for (const std::string& cell : row.cells)
        name += (name.empty() ? "" : ", ") + cell;
    return name;
}

class ListPart : public Part {
  public:
    ListPart(WindowContext& context, const ListSnapshot& list)
        : Part(context, gtk_frame_new(nullptr)), id_(list.id), box_(gtk_list_box_new()) {
        gtk_frame_set_child(GTK_FRAME(Widget()), box_);
        gtk_list_box_set_selection_mode(GTK_LIST_BOX(box_), GTK_SELECTION_MULTIPLE);
        GtkGesture* click = gtk_gesture_click_new();
        gtk_event_controller_set_propagation_phase(GTK_EVENT_CONTROLLER(click), GTK_PHASE_CAPTURE);
        g_signal_connect(click, "pressed", G_CALLBACK(OnPress), this);
        gtk_widget_add_controller(box_, GTK_EVENT_CONTROLLER(click));
        GtkEventController* keys = gtk_event_controller_key_new();
        gtk_event_controller_set_propagation_phase(keys, GTK_PHASE_CAPTURE);
        g_signal_connect(keys, "key-pressed", G_CALLBACK(OnKey), this);
        gtk_widget_add_controller(box_, keys);
        ScrollWithWheel(box_, context_, list.view);
    }
    Rect Update(const WindowSnapshot& window) override {
        const ListSnapshot& list = *ListIn(window, id_);
        NameForReader(box_, name_, window.title);
        while (rows_.size() > list.shown.size())
            RemoveLastRow();
        while (rows_.size() < list.shown.size())
            AddRow(list);
        for (size_t i = 0; i < rows_.size(); ++i)
            ShowRow(rows_[i], list.shown[i]);
        return list.view;
    }

  private:
    struct Row {
        GtkWidget* row;
        std::vector<GtkWidget*> cells;
        std::string name;
    };

    void AddRow(const ListSnapshot& list) {
        Row row{gtk_list_box_row_new(), {}, {}};
        GtkWidget* line = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
        gtk_box_set_homogeneous(GTK_BOX(line), TRUE);
        for (SInt16 column = 0; column < list.columns; ++column) {
            GtkWidget* cell = gtk_label_new(nullptr);
            gtk_label_set_xalign(GTK_LABEL(cell), 0);
            gtk_label_set_ellipsize(GTK_LABEL(cell), PANGO_ELLIPSIZE_END);
            gtk_widget_set_margin_start(cell, 6);
            gtk_box_append(GTK_BOX(line), cell);
            row.cells.push_back(cell);
        }
        gtk_list_box_row_set_child(GTK_LIST_BOX_ROW(row.row), line);
        // As high as the model's rows, so that the view holds as many.
        const int height = (list.view.bottom - list.view.top) / std::max<SInt16>(list.shownRows, 1);
        gtk_widget_set_size_request(row.row, -1, Down(height));
        gtk_list_box_append(GTK_LIST_BOX(box_), row.row);
        rows_.push_back(row);
    }
    void RemoveLastRow() {
        gtk_list_box_remove(GTK_LIST_BOX(box_), rows_.back().row);
        rows_.pop_back();
    }
    void ShowRow(Row& row, const ListRowSnapshot& model) {
        for (size_t column = 0; column < row.cells.size(); ++column) {
            const std::string& text = column < model.cells.size() ? model.cells[column] : "";
            if (text != gtk_label_get_text(GTK_LABEL(row.cells[column])))
                gtk_label_set_text(GTK_LABEL(row.cells[column]), text.c_str());
        }
        NameForReader(row.row, row.name, RowName(model));
        if (model.selected)
            gtk_list_box_select_row(GTK_LIST_BOX(box_), GTK_LIST_BOX_ROW(row.row));
        else
            gtk_list_box_unselect_row(GTK_LIST_BOX(box_), GTK_LIST_BOX_ROW(row.row));
    }

    static void OnPress(GtkGestureClick* gesture, int, double x, double y, ListPart* part) {
        gtk_gesture_set_state(GTK_GESTURE(gesture), GTK_EVENT_SEQUENCE_CLAIMED);
        gtk_widget_grab_focus(part->box_);
        GtkListBoxRow* row = gtk_list_box_get_row_at_y(GTK_LIST_BOX(part->box_), int(y));
        const ListSnapshot* list = ListIn(part->context_.model, part->id_);
        if (!row || !list || list->columns <= 0) return;
        const int width = std::max(1, gtk_widget_get_width(part->box_));
        const SInt32 column =
            std::min<SInt32>(list->columns - 1, SInt32(x * list->columns / width));
        const SInt32 shown = gtk_list_box_row_get_index(row);
        const std::optional<Point> cell =
            TheModelView().listCell(part->context_.model.id, list->topRow + shown, column);
        const GdkModifierType state =
            gtk_event_controller_get_current_event_state(GTK_EVENT_CONTROLLER(gesture));
        if (cell)
            part->context_.input.PersonsClick(*cell,
                                              UInt16((state & GDK_SHIFT_MASK ? shiftKey : 0) |
                                                     (state & GDK_CONTROL_MASK ? cmdKey : 0)));
    }
    static gboolean OnKey(GtkEventControllerKey*, guint keyval, guint, GdkModifierType state,
                          ListPart* part) {
        const ModelKey key = KeyOf(keyval, state);
        if (key.charCode == 0 && keyval != GDK_KEY_space) return FALSE;
        part->context_.input.Key(key.charCode ? key.charCode : kSpaceCharCode, key.modifiers);
        return TRUE;
    }

    ListHandle id_;
    GtkWidget* box_;
    std::string name_;
    std::vector<Row> rows_;
};

} // namespace

std::unique_ptr<Part> MakeListPart(WindowContext& context, const ListSnapshot& list) {
    return std::make_unique<ListPart>(context, list);
}

} // namespace platform::display::gtk
