#include "FieldSet.h"

#include <algorithm>

namespace rc {

FieldSet::FieldSet(const Block& block, std::vector<std::string_view> known) : block_(block) {
    for (const SourceLine& line : block.body) {
        if (line.text) throw CompileError(line.where, "a '" + block.keyword + "' holds no text");
        const Token& name = line.tokens.front();
        if (name.kind != TokenKind::Word ||
            std::find(known.begin(), known.end(), name.text) == known.end()) {
            std::string list;
            for (std::string_view field : known)
                list += (list.empty() ? "" : ", ") + std::string(field);
            throw CompileError(line.where, "unknown field '" + name.text + "' in a '" +
                                               block.keyword + "'; fields are: " + list);
        }
        if (!lines_.emplace(name.text, &line).second)
            throw CompileError(line.where, "the field '" + name.text + "' is given twice");
    }
}

TokenReader FieldSet::take(std::string_view name) const {
    auto found = lines_.find(std::string(name));
    if (found == lines_.end())
        throw CompileError(block_.where, "the '" + block_.keyword + "' lacks the field '" +
                                             std::string(name) + "'");
    const SourceLine& line = *found->second;
    return TokenReader(line.where, std::span(line.tokens).subspan(1));
}

std::int64_t FieldSet::integer(std::string_view name, std::int64_t min, std::int64_t max,
                               std::optional<std::int64_t> fallback) const {
    return choice(name, {}, min, max, fallback);
}

std::int64_t FieldSet::choice(std::string_view name, const NamedValues& names, std::int64_t min,
                              std::int64_t max, std::optional<std::int64_t> fallback) const {
    if (fallback && !has(name)) return *fallback;
    return single(name, [&](TokenReader& r) { return r.choice(names, min, max); });
}

std::string FieldSet::string(std::string_view name, size_t maxBytes,
                             std::optional<std::string> fallback) const {
    if (fallback && !has(name)) return *fallback;
    return single(name, [&](TokenReader& r) { return r.string(maxBytes); });
}

bool FieldSet::yesNo(std::string_view name, bool fallback) const {
    if (!has(name)) return fallback;
    return single(name, [](TokenReader& r) { return r.yesNo(); });
}

Rect FieldSet::rect(std::string_view name) const {
    return single(name, [](TokenReader& r) { return r.rect(); });
}

} // namespace rc
