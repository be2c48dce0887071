#include "Platform/FileIdentity.h"

#include "FileIdentity/OpenFileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform::identity;

void PlatformNoteFileIdentity(const char* path, const void* text, SInt32 length,
                              PlatformFileIdentity* identity) {
    *identity = PlatformFileIdentity{};
    struct stat info;
    if (!path[0] || stat(path, &info) != 0) return;
    identity->exists = true;
    identity->device = info.st_dev;
    identity->inode = info.st_ino;
    identity->size = info.st_size;
    identity->modSeconds = info.st_mtim.tv_sec;
    identity->modNanoseconds = info.st_mtim.tv_nsec;
    PlatformHashFileContent(text, length, identity);
}

void PlatformHashFileContent(const void* text, SInt32 length, PlatformFileIdentity* identity) {
    identity->contentHash = HashBytes(text, length > 0 ? size_t(length) : 0);
}

PlatformFileIdentity PlatformCurrentFileIdentity(const char* path) {
    // The path as the list read it: a link to the file is followed, as the reading followed it.
    if (!path[0]) return PlatformFileIdentity{};
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return IdentityAt(AT_FDCWD, path);
    PlatformFileIdentity identity = IdentityOfOpenFile(fd);
    close(fd);
    return identity;
}

Boolean PlatformSameFileIdentity(const PlatformFileIdentity* a, const PlatformFileIdentity* b) {
    if (a->exists != b->exists) return false;
    return !a->exists ||
           (a->device == b->device && a->inode == b->inode && a->size == b->size &&
            a->modSeconds == b->modSeconds && a->modNanoseconds == b->modNanoseconds &&
            a->contentHash == b->contentHash);
}
