// fuzz-links: KorvaneApp
// The import's parser, checks and duplicate marking on any bytes: the slots stay inside the block
// and their fields, nothing outside the complete lines is left in a slot, and the linear marking
// agrees with the pairwise passes.
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportPairwiseMarking.h"
#include "Korvane/ImportExport/ImportParse.h"
#include "Korvane/Shell/GlueRec.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// The first half of the bytes is the file, the second half the list.
struct Scene {
    std::unique_ptr<JASettingBlock> staged = std::make_unique<JASettingBlock>();
    std::unique_ptr<JASettingBlock> list = std::make_unique<JASettingBlock>();
    SettingPrivateRec setting{};
    GlueRec context{};

    void Run(const uint8_t* data, size_t size) {
        setting.entries = list.get();
        setting.importEntries = staged.get();
        context.settingPrivate = &setting;
        ParseImportText(data, UInt32(size / 2), staged.get());
        ParseImportText(data + size / 2, UInt32(size - size / 2), list.get());
        list->entryCount = std::min<SInt16>(list->entryCount, kJAMaxEntries);
        SampleCheckRange_at_ImportFunc(&context);
        for (SInt16 k = 0; k < list->entryCount; ++k)
            list->records[k].invalidFlag = false;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 0x7FFFFFFF) return 0;
    static Scene linear, pairwise;
    linear.Run(data, size);
    pairwise.Run(data, size);
    const SInt16 count = linear.staged->entryCount;
    if (count < 0 || count > kJASettingSlots) std::abort();
    if (count < kJASettingSlots && linear.staged->records[count].loginName[0] != 0) std::abort();
    const Boolean marked = MarkImportDuplicates(linear.staged.get(), linear.list.get());
    if (marked != testsupport::PairwiseImportDuplicates(pairwise.staged.get(), pairwise.list.get()))
        std::abort();
    for (SInt16 i = 0; i < count; ++i)
        if (linear.staged->records[i].duplicateFlag != pairwise.staged->records[i].duplicateFlag)
            std::abort();
    for (SInt16 k = 0; k < linear.list->entryCount; ++k)
        if (linear.list->records[k].duplicateFlag != pairwise.list->records[k].duplicateFlag)
            std::abort();
    return 0;
}
