#include "Compiler.h"

#include "Encoders.h"
#include "ResourceHeader.h"
#include "SourceReader.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

namespace rc {

namespace {

struct BlockKind {
    std::string_view keyword;
    ResType type; // 0: the header names the type
    Encoder encode;
};

const BlockKind kBlockKinds[] = {
    {"dialog", FOUR_CHAR_CODE("DLOG"), EncodeDialog},
    {"alert", FOUR_CHAR_CODE("ALRT"), EncodeAlert},
    {"control", FOUR_CHAR_CODE("CNTL"), EncodeControl},
    {"item-list", FOUR_CHAR_CODE("DITL"), EncodeItemList},
    {"menu", FOUR_CHAR_CODE("MENU"), EncodeMenu},
    {"menu-commands", FOUR_CHAR_CODE("MCMD"), EncodeMenuCommands},
    {"string", FOUR_CHAR_CODE("STR "), EncodeString},
    {"string-list", FOUR_CHAR_CODE("STR#"), EncodeStringList},
    {"help-topics", FOUR_CHAR_CODE("Help"), EncodeHelpTopics},
    {"text", FOUR_CHAR_CODE("TEXT"), EncodeText},
    {"styled-text", FOUR_CHAR_CODE("TEXT"), EncodeStyledText},
    {"version", FOUR_CHAR_CODE("vers"), EncodeVersion},
    {"number-format", FOUR_CHAR_CODE("itl0"), EncodeNumberFormat},
    {"colour-table", FOUR_CHAR_CODE("clut"), EncodeColourTable},
    {"data", 0, EncodeRawData},
};

const BlockKind& FindKind(const Block& block) {
    for (const BlockKind& kind : kBlockKinds)
        if (kind.keyword == block.keyword) return kind;
    std::string list;
    for (const BlockKind& kind : kBlockKinds)
        list += (list.empty() ? "" : ", ") + std::string(kind.keyword);
    throw CompileError(block.where,
                       "unknown resource kind '" + block.keyword + "'; kinds are: " + list);
}

std::string TypeText(ResType type) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += char(type >> shift);
    return "'" + text + "'";
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CompileError({path.string(), 0}, "cannot read the source file");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

Entries One(const BlockInput& input, std::vector<UInt8> data) {
    ResourceEntry entry = input.header;
    entry.data = std::move(data);
    return {std::move(entry)};
}

std::vector<CompiledResource> CompileSource(const std::string& fileName, const std::string& content,
                                            const std::filesystem::path& folder) {
    std::vector<CompiledResource> resources;
    for (const Block& block : ReadBlocks(fileName, content)) {
        const BlockKind& kind = FindKind(block);
        TokenReader header(block.where, block.header);
        ResType type = kind.type ? kind.type : header.code();
        BlockInput input{block, ReadResourceHeader(header, type), folder};
        for (ResourceEntry& entry : kind.encode(input))
            resources.push_back({block.where, std::move(entry)});
    }
    return resources;
}

platform::resources::ResourceFileImage
CompileFiles(const std::vector<std::filesystem::path>& paths) {
    platform::resources::ResourceFileImage image;
    std::map<std::pair<ResType, SInt16>, Location> seen;
    for (const std::filesystem::path& path : paths) {
        for (auto& [where, entry] :
             CompileSource(path.string(), ReadFile(path), path.parent_path())) {
            auto [first, added] = seen.emplace(std::pair{entry.type, entry.id}, where);
            if (!added)
                throw CompileError(where, TypeText(entry.type) + " " + std::to_string(entry.id) +
                                              " is defined already, at " + first->second.file +
                                              ":" + std::to_string(first->second.line));
            image.entries.push_back(std::move(entry));
        }
    }
    return image;
}

} // namespace rc
