#include "CopyRules.h"

#include <cstdlib>
#include <cstring>

Boolean CopyTextToBuffer(const std::optional<std::string>& text, char* buffer,
                         unsigned long bufferSize) {
    if (!buffer || !text || text->size() >= bufferSize) return false;
    std::strncpy(buffer, text->c_str(), bufferSize - 1);
    buffer[bufferSize - 1] = '\0';
    return true;
}

char* MallocTextCopy(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 2));
    if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}
