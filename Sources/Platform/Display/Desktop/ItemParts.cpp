#include "Display/Desktop/ItemParts.h"

#include <string>

namespace platform::display::gtk {

namespace {

class LabelPart : public Part {
  public:
    LabelPart(WindowContext& context, DialogItemIndex number)
        : Part(context, gtk_label_new(nullptr)), number_(number) {
        GtkLabel* label = GTK_LABEL(Widget());
        gtk_label_set_wrap(label, TRUE);
        gtk_label_set_wrap_mode(label, PANGO_WRAP_WORD_CHAR);
        gtk_label_set_xalign(label, 0);
    }
    Rect Update(const WindowSnapshot& window) override {
        const ItemSnapshot& item = *window.dialog.Item(number_);
        // A line beside a field is centred on it; a paragraph starts at the top of its box.
        gtk_label_set_yalign(GTK_LABEL(Widget()), item.box.bottom - item.box.top > 16 ? 0 : 0.5f);
        if (item.text != gtk_label_get_text(GTK_LABEL(Widget())))
            gtk_label_set_text(GTK_LABEL(Widget()), item.text.c_str());
        return item.box;
    }

  private:
    DialogItemIndex number_;
};

int CharactersIn(const std::string& text, SInt16 bytes) {
    const size_t end = std::min(text.size(), size_t(std::max<SInt16>(bytes, 0)));
    return int(g_utf8_pointer_to_offset(text.c_str(), text.c_str() + end));
}

class FieldPart : public Part {
  public:
    FieldPart(WindowContext& context, DialogItemIndex number)
        : Part(context, gtk_entry_new()), number_(number) {
        gtk_editable_set_width_chars(GTK_EDITABLE(Widget()), 1);
        Connect(Widget(), "changed", G_CALLBACK(+[](GtkEditable* editable, FieldPart* part) {
                    if (!part->Syncing()) part->Typed(gtk_editable_get_text(editable));
                }));
        Connect(Widget(), "activate", G_CALLBACK(+[](GtkEntry*, FieldPart* part) {
                    part->context_.input.Key(kReturnCharCode);
                }));
    }
    Rect Update(const WindowSnapshot& window) override {
        const ItemSnapshot& item = *window.dialog.Item(number_);
        const bool concealed = window.dialog.concealedField == number_;
        gtk_entry_set_visibility(GTK_ENTRY(Widget()), !concealed);
        const std::string shown = gtk_editable_get_text(GTK_EDITABLE(Widget()));
        // A concealed field's bullets are not its text: only its emptying shows.
        const bool differs = concealed ? item.text.empty() && !shown.empty() : item.text != shown;
        if (differs) {
            gtk_editable_set_text(GTK_EDITABLE(Widget()), concealed ? "" : item.text.c_str());
            if (window.dialog.editField == number_) Select(window.dialog, item.text);
        }
        if (window.dialog.editField == number_ && context_.modelField != number_) {
            gtk_widget_grab_focus(Widget());
            Select(window.dialog, item.text);
        }
        return item.box;
    }

  private:
    void Typed(const std::string& text) {
        if (const ItemSnapshot* item = context_.model.dialog.Item(number_))
            context_.input.TypeIntoField(context_.model, *item, text);
    }
    void Select(const DialogSnapshot& dialog, const std::string& text) {
        if (dialog.concealedField == number_) return;
        gtk_editable_select_region(GTK_EDITABLE(Widget()), CharactersIn(text, dialog.selStart),
                                   CharactersIn(text, dialog.selEnd));
    }

    DialogItemIndex number_;
};

// An alert's icon, from the desktop's theme: the alert's own icon item, or (item 0) one in the
// corner an alert leaves for it.
class IconPart : public Part {
  public:
    IconPart(WindowContext& context, DialogItemIndex number)
        : Part(context, gtk_image_new()), number_(number) {
        gtk_image_set_pixel_size(GTK_IMAGE(Widget()), 48);
    }
    Rect Update(const WindowSnapshot& window) override {
        const char* name = window.dialog.alert == AlertKind::Stop      ? "dialog-error"
                           : window.dialog.alert == AlertKind::Caution ? "dialog-warning"
                                                                       : "dialog-information";
        gtk_image_set_from_icon_name(GTK_IMAGE(Widget()), name);
        return number_ != 0 ? window.dialog.Item(number_)->box : AlertIconBox(window);
    }

  private:
    DialogItemIndex number_;
};

} // namespace

std::unique_ptr<Part> MakeItemPart(WindowContext& context, const ItemSnapshot& item) {
    switch (item.kind) {
    case ItemSnapshot::Kind::StaticText:
        return std::make_unique<LabelPart>(context, item.number);
    case ItemSnapshot::Kind::EditText:
        return std::make_unique<FieldPart>(context, item.number);
    default:
        return std::make_unique<IconPart>(context, item.number);
    }
}

bool HasItemPart(const ItemSnapshot& item) {
    return item.kind == ItemSnapshot::Kind::StaticText ||
           item.kind == ItemSnapshot::Kind::EditText || item.kind == ItemSnapshot::Kind::Icon;
}

bool NeedsAlertIcon(const WindowSnapshot& window) {
    if (window.dialog.alert == AlertKind::None) return false;
    for (const ItemSnapshot& item : window.dialog.items)
        if (item.kind == ItemSnapshot::Kind::Icon) return false;
    return true;
}

Rect AlertIconBox(const WindowSnapshot& window) {
    const Rect& content = window.content;
    return Rect{SInt16(content.top + 10), SInt16(content.left + 12), SInt16(content.top + 34),
                SInt16(content.left + 48)};
}

std::unique_ptr<Part> MakeAlertIconPart(WindowContext& context) {
    return std::make_unique<IconPart>(context, 0);
}

const ItemSnapshot* LabelOf(const DialogSnapshot& dialog, const ItemSnapshot& field) {
    const ItemSnapshot* above = nullptr;
    for (const ItemSnapshot& item : dialog.items) {
        if (item.kind != ItemSnapshot::Kind::StaticText || item.text.empty()) continue;
        const bool sameRow = item.box.top < field.box.bottom && item.box.bottom > field.box.top;
        if (sameRow && item.box.right <= field.box.left + 8) return &item;
        if (item.box.bottom <= field.box.top && (!above || item.box.bottom > above->box.bottom))
            above = &item;
    }
    return above;
}

} // namespace platform::display::gtk
