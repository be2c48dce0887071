#include "ToolRun.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace commit {

namespace {

constexpr int kUsage = 64, kCannotRun = 126;

constexpr const char* kFolders[] = {"/usr/sbin", "/usr/bin", "/sbin", "/bin"};
constexpr const char* kTools[] = {"true", "id", "mkdir", "touch", "chmod", "chown"};

// A root-owned file that no one else may change, named exactly as one of the tools in one of
// the folders.
bool IsCommitTool(const std::string& path) {
    for (const char* folder : kFolders)
        for (const char* tool : kTools)
            if (path == std::string(folder) + "/" + tool) {
                struct stat info;
                return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                       info.st_uid == 0 && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
            }
    return false;
}

} // namespace

int RunCommitTool(int argc, char** argv) {
    if (argc < 3 || !IsCommitTool(argv[2])) {
        std::fprintf(stderr, "korvane-commit: --run takes one of the commit's system tools\n");
        return kUsage;
    }
    execv(argv[2], argv + 2);
    std::fprintf(stderr, "korvane-commit: %s: %s\n", argv[2], std::strerror(errno));
    return kCannotRun;
}

} // namespace commit
