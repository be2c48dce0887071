// fuzz-links: KorvaneApp
// The settings reader on any bytes: it must stay inside the block and its fields, and writing
// what it read and reading that again must give the same text back.
#include "Korvane/DataStore/SettingsText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

std::vector<UInt8> TextOf(const JASettingBlock* block) {
    std::vector<UInt8> text(size_t(JASettingTextCapacity(block)) + 1);
    text.resize(size_t(MakeJASettingText(block, text.data())));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto first = std::make_unique<JASettingBlock>();
    static auto second = std::make_unique<JASettingBlock>();
    const SInt32 length = SInt32(size > 0x7FFFFFFF ? 0x7FFFFFFF : size);
    ReadJASettingText(data, length, first.get());
    if (first->entryCount < 0 || first->entryCount > kJAMaxEntries) std::abort();
    // The lines the list cannot keep are counted within the text's lines, the first one first.
    const JAUntakenLines untaken = SurveyJASettingText(data, length);
    if (untaken.count < 0 || (untaken.count == 0) != (untaken.firstLine == 0) ||
        untaken.firstLine > SInt32(size) + 1)
        std::abort();
    std::vector<UInt8> text = TextOf(first.get());
    ReadJASettingText(text.data(), SInt32(text.size()), second.get());
    if (second->entryCount != first->entryCount || TextOf(second.get()) != text) std::abort();
    return 0;
}
