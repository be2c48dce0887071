// One encoder per kind of resource block: the block's body becomes the binary layout.
#pragma once

#include "SourceModel.h"

#include "Platform/ResourceFileFormat.h"

#include <filesystem>
#include <vector>

namespace rc {

using platform::resources::ResourceEntry;

struct BlockInput {
    const Block& block;
    ResourceEntry header;         // type, id, name and attributes; no data yet
    std::filesystem::path folder; // of the source file, for texts kept in files of their own
};

using Entries = std::vector<ResourceEntry>;
using Encoder = Entries (*)(const BlockInput&);

// The header with its data: the one resource most blocks make.
Entries One(const BlockInput& input, std::vector<UInt8> data);

Entries EncodeDialog(const BlockInput& input);       // 'DLOG'
Entries EncodeAlert(const BlockInput& input);        // 'ALRT'
Entries EncodeControl(const BlockInput& input);      // 'CNTL'
Entries EncodeItemList(const BlockInput& input);     // 'DITL'
Entries EncodeMenu(const BlockInput& input);         // 'MENU'
Entries EncodeMenuCommands(const BlockInput& input); // 'MCMD'
Entries EncodeString(const BlockInput& input);       // 'STR '
Entries EncodeStringList(const BlockInput& input);   // 'STR#'
Entries EncodeHelpTopics(const BlockInput& input);   // 'Help'
Entries EncodeText(const BlockInput& input);         // 'TEXT'
Entries EncodeStyledText(const BlockInput& input);   // 'TEXT' and 'styl'
Entries EncodeVersion(const BlockInput& input);      // 'vers'
Entries EncodeNumberFormat(const BlockInput& input); // 'itl0'
Entries EncodeColourTable(const BlockInput& input);  // 'clut'
Entries EncodeRawData(const BlockInput& input);      // any type, as hexadecimal bytes

} // namespace rc
