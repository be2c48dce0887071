#include "SafeFolder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace commit {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> names;
    std::istringstream in(path);
    for (std::string name; std::getline(in, name, '/');)
        if (!name.empty()) names.push_back(name);
    return names;
}

OpenFolder Failed(int fd, const std::string& where, const std::string& why) {
    if (fd >= 0) close(fd);
    return {-1, where + ": " + why, false};
}

// Only root may change what the folder holds: its own, and no write for group and others
// unless the sticky bit keeps them to their own entries.
bool OnlyRootChanges(const struct stat& info) {
    return info.st_uid == 0 && (!(info.st_mode & (S_IWGRP | S_IWOTH)) || (info.st_mode & S_ISVTX));
}

// The OEM folder itself: made when missing, tightened when open. In a sticky parent (as /tmp)
// someone else may have made it first, with anything inside: it must be root's already.
OpenFolder OpenLast(int parent, bool stickyParent, const std::string& name,
                    const std::string& where, bool make) {
    int fd = openat(parent, name.c_str(), kFolderFlags);
    if (fd < 0 && errno == ENOENT && make) {
        if (mkdirat(parent, name.c_str(), 0755) != 0 && errno != EEXIST)
            return Failed(-1, where, std::strerror(errno));
        fd = openat(parent, name.c_str(), kFolderFlags);
    }
    if (fd < 0) return Failed(-1, where, std::strerror(errno));
    struct stat info;
    if (fstat(fd, &info) != 0) return Failed(fd, where, std::strerror(errno));
    if (stickyParent && info.st_uid != 0) {
        OpenFolder unsafe = Failed(fd, where, "a folder someone else made in a shared folder");
        unsafe.unsafe = true;
        return unsafe;
    }
    if ((info.st_uid != 0 && fchown(fd, 0, -1) != 0) ||
        ((info.st_mode & 07777) != 0755 && fchmod(fd, 0755) != 0))
        return Failed(fd, where, std::strerror(errno));
    return {fd, "", false};
}

} // namespace

OpenFolder OpenSafeFolder(const std::string& path, bool make) {
    if (path.empty() || path[0] != '/') return Failed(-1, path, "not an absolute path");
    const std::vector<std::string> names = Components(path);
    if (names.empty()) return Failed(-1, path, "the root folder itself");
    int fd = open("/", kFolderFlags);
    std::string where;
    for (size_t i = 0; fd >= 0 && i < names.size(); ++i) {
        struct stat info;
        if (fstat(fd, &info) != 0) return Failed(fd, where + "/", std::strerror(errno));
        if (!OnlyRootChanges(info)) {
            OpenFolder unsafe =
                Failed(fd, where + "/", "a folder that others than root can change");
            unsafe.unsafe = true;
            return unsafe;
        }
        where += "/" + names[i];
        if (names[i] == ".." || names[i] == ".")
            return Failed(fd, where, "a path with . or .. in it");
        if (i + 1 == names.size()) {
            OpenFolder last = OpenLast(fd, (info.st_mode & S_ISVTX) != 0, names[i], where, make);
            close(fd);
            return last;
        }
        const int next = openat(fd, names[i].c_str(), kFolderFlags);
        const int error = errno;
        close(fd);
        if (next < 0)
            return Failed(-1, where,
                          error == ELOOP || error == ENOTDIR ? "not a folder (a link?)"
                                                             : std::strerror(error));
        fd = next;
    }
    return Failed(fd, "/", std::strerror(errno));
}

} // namespace commit
