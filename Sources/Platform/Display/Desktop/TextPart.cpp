#include "Display/Desktop/TextPart.h"

#include <string>

namespace platform::display::gtk {

namespace {

// The tags of a run's style, which the buffer's tag table holds by these names.
void AddTags(GtkTextBuffer* buffer) {
    gtk_text_buffer_create_tag(buffer, "bold", "weight", PANGO_WEIGHT_BOLD, nullptr);
    gtk_text_buffer_create_tag(buffer, "italic", "style", PANGO_STYLE_ITALIC, nullptr);
    gtk_text_buffer_create_tag(buffer, "underline", "underline", PANGO_UNDERLINE_SINGLE, nullptr);
}

void Append(GtkTextBuffer* buffer, const StyledRun& run) {
    GtkTextIter end;
    gtk_text_buffer_get_end_iter(buffer, &end);
    const char* tags[3] = {};
    int count = 0;
    if (run.face & bold) tags[count++] = "bold";
    if (run.face & italic) tags[count++] = "italic";
    if (run.face & underline) tags[count++] = "underline";
    gtk_text_buffer_insert_with_tags_by_name(
        buffer, &end, run.text.c_str(), int(run.text.size()), count > 0 ? tags[0] : nullptr,
        count > 1 ? tags[1] : nullptr, count > 2 ? tags[2] : nullptr, nullptr);
}

// What the lines hold, styles included, to tell a new text from the one shown.
std::string Signature(const TextEditSnapshot& text) {
    std::string signature;
    for (const auto& line : text.shownLines) {
        for (const StyledRun& run : line)
            signature += std::to_string(run.face) + ":" + run.text + "\x1f";
        signature += "\n";
    }
    return signature;
}

class TextPart : public Part {
  public:
    TextPart(WindowContext& context, size_t index, const TextEditSnapshot& text)
        : Part(context, gtk_frame_new(nullptr)), index_(index), view_(gtk_text_view_new()) {
        gtk_frame_set_child(GTK_FRAME(Widget()), view_);
        gtk_text_view_set_editable(GTK_TEXT_VIEW(view_), FALSE);
        gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view_), FALSE);
        gtk_text_view_set_left_margin(GTK_TEXT_VIEW(view_), 8);
        gtk_text_view_set_top_margin(GTK_TEXT_VIEW(view_), 4);
        AddTags(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view_)));
        ScrollWithWheel(view_, context_, text.view);
    }
    Rect Update(const WindowSnapshot& window) override {
        const TextEditSnapshot& text = window.textEdits[index_];
        NameForReader(view_, name_, window.title);
        std::string signature = Signature(text);
        if (signature != shown_) {
            GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(view_));
            gtk_text_buffer_set_text(buffer, "", 0);
            for (size_t line = 0; line < text.shownLines.size(); ++line) {
                if (line > 0) Append(buffer, StyledRun{"\n", normal});
                for (const StyledRun& run : text.shownLines[line])
                    Append(buffer, run);
            }
            shown_ = std::move(signature);
        }
        return text.view;
    }

  private:
    size_t index_;
    GtkWidget* view_;
    std::string name_;
    std::string shown_;
};

} // namespace

std::unique_ptr<Part> MakeTextPart(WindowContext& context, size_t index,
                                   const TextEditSnapshot& text) {
    return std::make_unique<TextPart>(context, index, text);
}

} // namespace platform::display::gtk
