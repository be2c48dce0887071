#include "JobOptions.h"

#include <strings.h>

namespace {

// The end of the option word that starts at begin: the next space outside quotes and braces.
size_t WordEnd(std::string_view options, size_t begin) {
    char quote = 0;
    int braces = 0;
    size_t i = begin;
    for (; i < options.size(); ++i) {
        const char c = options[i];
        if (c == '\\' && i + 1 < options.size())
            ++i;
        else if (quote)
            quote = c == quote ? 0 : quote;
        else if (c == '\'' || c == '"')
            quote = c;
        else if (c == '{')
            ++braces;
        else if (c == '}' && braces > 0)
            --braces;
        else if ((c == ' ' || c == '\t' || c == '\n') && braces == 0)
            break;
    }
    return i;
}

bool NamesAccountID(std::string_view word) {
    std::string name(word.substr(0, word.find('=')));
    // Names are matched without regard to case, as the backends look them up.
    return strcasecmp(name.c_str(), "job-account-id") == 0 ||
           strcasecmp(name.c_str(), "nojob-account-id") == 0;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

} // namespace

std::string OptionsWithAccountID(std::string_view options, std::string_view id) {
    std::string kept;
    size_t i = 0;
    while (i < options.size()) {
        if (IsSpace(options[i])) {
            ++i;
            continue;
        }
        const size_t end = WordEnd(options, i);
        const std::string_view word = options.substr(i, end - i);
        if (!NamesAccountID(word)) {
            if (!kept.empty()) kept += ' ';
            kept += word;
        }
        i = end;
    }
    if (!id.empty()) {
        if (!kept.empty()) kept += ' ';
        kept += "job-account-id=";
        kept += id;
    }
    return kept;
}
