#include "JobOptions.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cups/cups.h>
#include <strings.h>
#include <utility>
#include <vector>

namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

// Options as the printer's backend reads them.
Options Parsed(const std::string& text) {
    cups_option_t* parsed = nullptr;
    const int count = cupsParseOptions(text.c_str(), 0, &parsed);
    Options options;
    for (int i = 0; i < count; ++i)
        options.emplace_back(parsed[i].name, parsed[i].value);
    cupsFreeOptions(count, parsed);
    return options;
}

// Only the list's account, and no user name for the account, come from anyone but the list.
bool IsAccounting(const std::string& name) {
    return !strcasecmp(name.c_str(), "job-account-id") ||
           !strcasecmp(name.c_str(), "job-accounting-user-id");
}

// A value as one plain word: every byte that could quote, group, separate or escape is escaped.
std::string Escaped(const std::string& value) {
    std::string word;
    for (const char c : value) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && !std::strchr("-_./:@+", c))
            word += '\\';
        word += c;
    }
    return word;
}

std::string Written(const Options& options) {
    std::string text;
    for (const auto& [name, value] : options)
        text += (text.empty() ? "" : " ") + name + "=" + Escaped(value);
    return text;
}

} // namespace

std::optional<std::string> OptionsWithAccountID(const std::string& options, const std::string& id) {
    Options kept;
    for (auto& option : Parsed(options))
        if (!IsAccounting(option.first)) kept.push_back(std::move(option));
    if (!id.empty()) kept.emplace_back("job-account-id", id);
    std::string text = Written(kept);
    // The parser keeps options in an order of its own.
    Options reread = Parsed(text);
    std::sort(reread.begin(), reread.end());
    std::sort(kept.begin(), kept.end());
    if (reread != kept) return std::nullopt;
    return text;
}
