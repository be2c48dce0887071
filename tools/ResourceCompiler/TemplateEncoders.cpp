// Window and control templates: 'DLOG', 'ALRT' and 'CNTL'.
#include "ByteWriter.h"
#include "Encoders.h"
#include "FieldSet.h"

namespace rc {

namespace {

const NamedValues kWindowKinds = {
    {"document", 0},       {"modal", 1},         {"plain", 2},         {"shadow", 3},
    {"document-fixed", 4}, {"movable-modal", 5}, {"document-zoom", 8}, {"document-zoom-fixed", 12},
};

const NamedValues kPlacements = {
    {"none", 0x0000},
    {"center-main-screen", 0x280A},
    {"alert-main-screen", 0x300A},
};

const NamedValues kControlKinds = {
    {"push-button", 0}, {"checkbox", 1}, {"radio", 2}, {"scroll-bar", 16}, {"popup", 1008},
};

constexpr std::int64_t kLong = 0x7FFFFFFF;

// Each of the four stages: bit 3 makes item 2 the default, bit 2 draws its outline, bits 0-1
// the number of beeps.
std::int64_t AlertStages(std::int64_t defaultButton, std::int64_t beeps) {
    std::int64_t stage = (defaultButton == 2 ? 8 : 0) | 4 | beeps;
    return stage * 0x1111;
}

} // namespace

Entries EncodeDialog(const BlockInput& input) {
    FieldSet fields(input.block, {"bounds", "window", "visible", "close-box", "refcon", "items",
                                  "title", "placement"});
    ByteWriter out;
    out.rect(fields.rect("bounds"));
    out.big16(fields.choice("window", kWindowKinds, 0, 32767));
    out.byte(fields.yesNo("visible", true));
    out.byte(0);
    out.byte(fields.yesNo("close-box", false));
    out.byte(0);
    out.big32(fields.integer("refcon", -kLong - 1, kLong, 0));
    out.big16(fields.integer("items", -32768, 32767));
    out.pascal(fields.string("title", 255, ""));
    out.alignEven();
    out.big16(fields.choice("placement", kPlacements, 0, 0xFFFF, 0));
    return One(input, out.take());
}

Entries EncodeAlert(const BlockInput& input) {
    FieldSet fields(input.block, {"bounds", "items", "default-button", "beeps", "placement"});
    ByteWriter out;
    out.rect(fields.rect("bounds"));
    out.big16(fields.integer("items", -32768, 32767));
    out.big16(
        AlertStages(fields.integer("default-button", 1, 2, 1), fields.integer("beeps", 0, 3, 1)));
    out.big16(fields.choice("placement", kPlacements, 0, 0xFFFF, 0));
    return One(input, out.take());
}

Entries EncodeControl(const BlockInput& input) {
    FieldSet fields(input.block, {"bounds", "value", "visible", "maximum", "minimum", "definition",
                                  "refcon", "title"});
    ByteWriter out;
    out.rect(fields.rect("bounds"));
    out.big16(fields.integer("value", -32768, 32767, 0));
    out.byte(fields.yesNo("visible", true));
    out.byte(0);
    out.big16(fields.integer("maximum", -32768, 32767, 0));
    out.big16(fields.integer("minimum", -32768, 32767, 0));
    out.big16(fields.choice("definition", kControlKinds, 0, 32767));
    out.big32(fields.integer("refcon", -kLong - 1, kLong, 0));
    out.pascal(fields.string("title", 255, ""));
    return One(input, out.take());
}

} // namespace rc
