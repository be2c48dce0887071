#include "Replacement.h"

#include "FileIdentity/OpenFileIdentity.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace commit {

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

// A new file under a name nobody can have guessed, opened exclusively and never through a link.
int CreateUnique(int folder, const std::string& stem, std::string* name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        uint64_t random = 0;
        if (getrandom(&random, sizeof random, 0) != sizeof random) return -1;
        std::ostringstream made;
        made << "." << stem << "." << std::hex << random;
        *name = made.str();
        const int fd = openat(folder, name->c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The new content, owned and moded before it is in place.
bool WriteNew(int folder, const std::string& name, const std::string& bytes, gid_t group,
              mode_t mode, std::string* temporary, std::string* why) {
    const int fd = CreateUnique(folder, name, temporary);
    if (fd < 0) {
        *why = std::string("cannot create a new file: ") + std::strerror(errno);
        return false;
    }
    const bool written =
        WriteAll(fd, bytes) && fchown(fd, 0, group) == 0 && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    if (!written) *why = std::string("cannot write the new file: ") + std::strerror(errno);
    if (close(fd) != 0 && written) *why = std::string("cannot write: ") + std::strerror(errno);
    if (written && why->empty()) return true;
    unlinkat(folder, temporary->c_str(), 0);
    return false;
}

// The old file, as NAME-, replaced in one step too.
bool KeepBackup(int folder, const std::string& name, std::string* why) {
    std::string link;
    const int fd = CreateUnique(folder, name + "-", &link);
    if (fd < 0) {
        *why = std::string("cannot keep the backup: ") + std::strerror(errno);
        return false;
    }
    close(fd);
    unlinkat(folder, link.c_str(), 0);
    if (linkat(folder, name.c_str(), folder, link.c_str(), 0) != 0 ||
        renameat(folder, link.c_str(), folder, (name + "-").c_str()) != 0) {
        *why = std::string("cannot keep the backup: ") + std::strerror(errno);
        unlinkat(folder, link.c_str(), 0);
        return false;
    }
    return true;
}

} // namespace

bool ParseExpected(const std::string& text, std::optional<PlatformFileIdentity>* expected) {
    if (text == "any") {
        expected->reset();
        return true;
    }
    PlatformFileIdentity identity{};
    if (text != "missing") {
        std::istringstream in(text);
        char c1, c2, c3, c4, c5;
        if (!(in >> identity.device >> c1 >> identity.inode >> c2 >> identity.size >> c3 >>
              identity.modSeconds >> c4 >> identity.modNanoseconds >> c5 >> identity.contentHash) ||
            c1 != ':' || c2 != ':' || c3 != ':' || c4 != ':' || c5 != ':' || !in.eof())
            return false;
        identity.exists = true;
    }
    *expected = identity;
    return true;
}

void InheritedMode(const struct stat* old, gid_t* group, mode_t* mode) {
    const bool keepsItsOwn =
        old && S_ISREG(old->st_mode) && old->st_uid == 0 && !(old->st_mode & (S_IWGRP | S_IWOTH));
    *group = keepsItsOwn ? old->st_gid : 0;
    *mode = keepsItsOwn ? (old->st_mode & 07777) : 0644;
}

bool PlaceNew(int folder, const std::string& name, const std::string& bytes, gid_t group,
              mode_t mode, std::string* why) {
    std::string temporary;
    if (!WriteNew(folder, name, bytes, group, mode, &temporary, why)) return false;
    // A link, unlike a rename, never replaces what may have come meanwhile.
    const bool placed = linkat(folder, temporary.c_str(), folder, name.c_str(), 0) == 0;
    if (!placed) *why = std::string("cannot place the file: ") + std::strerror(errno);
    unlinkat(folder, temporary.c_str(), 0);
    return placed;
}

Installed Install(int folder, const std::string& name, const std::string& bytes, bool backup,
                  PlatformFileIdentity* written, std::string* why) {
    struct stat old;
    const bool hadOld =
        fstatat(folder, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode);
    gid_t group;
    mode_t mode;
    InheritedMode(hadOld ? &old : nullptr, &group, &mode);
    std::string temporary;
    if (!WriteNew(folder, name, bytes, group, mode, &temporary, why)) return Installed::Failed;
    if ((backup && hadOld && !KeepBackup(folder, name, why)) ||
        (why->empty() && renameat(folder, temporary.c_str(), folder, name.c_str()) != 0)) {
        if (why->empty()) *why = std::string("cannot rename the new file: ") + std::strerror(errno);
        unlinkat(folder, temporary.c_str(), 0);
        return Installed::Failed;
    }
    *written = platform::identity::IdentityAt(folder, name.c_str());
    if (fsync(folder) != 0) {
        *why = std::string("the new file is in place, but flushing its folder failed: ") +
               std::strerror(errno);
        return Installed::NotFlushed;
    }
    return Installed::Done;
}

} // namespace commit
