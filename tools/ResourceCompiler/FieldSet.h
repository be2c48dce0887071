// The body of a record-like block: "name values" lines, each name at most once, in any order.
#pragma once

#include "TokenReader.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rc {

class FieldSet {
  public:
    // Every body line must name one of the known fields; throws CompileError otherwise.
    FieldSet(const Block& block, std::vector<std::string_view> known);

    bool has(std::string_view name) const { return lines_.count(std::string(name)) != 0; }
    // The values of a field that must be present.
    TokenReader take(std::string_view name) const;

    // Single-value fields; the default applies when the field is absent.
    std::int64_t integer(std::string_view name, std::int64_t min, std::int64_t max,
                         std::optional<std::int64_t> fallback = std::nullopt) const;
    std::int64_t choice(std::string_view name, const NamedValues& names, std::int64_t min,
                        std::int64_t max,
                        std::optional<std::int64_t> fallback = std::nullopt) const;
    std::string string(std::string_view name, size_t maxBytes,
                       std::optional<std::string> fallback = std::nullopt) const;
    bool yesNo(std::string_view name, bool fallback) const;
    Rect rect(std::string_view name) const;

  private:
    template <class Read> auto single(std::string_view name, Read read) const {
        TokenReader reader = take(name);
        auto value = read(reader);
        reader.expectEnd();
        return value;
    }

    const Block& block_;
    std::map<std::string, const SourceLine*> lines_;
};

} // namespace rc
