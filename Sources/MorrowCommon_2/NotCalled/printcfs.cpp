#include "MorrowCommon_2/printcfs.h"

#include <cstdio>

void printcfs(CFStringRef string) {
    if (!string) return;
    char text[1024];
    if (CFStringGetCString(string, text, sizeof text, CFStringGetSystemEncoding()))
        std::printf("<%s>", text);
    else
        std::printf("[Unknown string]");
}
