#include "Replacement.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace commit {

namespace {

// FNV-1a, the program's own change check.
uint64_t Hash(const char* bytes, size_t count, uint64_t hash = 14695981039346656037ull) {
    for (size_t i = 0; i < count; ++i)
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 1099511628211ull;
    return hash;
}

void NoteStat(const struct stat& info, Identity* identity) {
    identity->exists = true;
    identity->device = info.st_dev;
    identity->inode = info.st_ino;
    identity->size = info.st_size;
    identity->modSeconds = info.st_mtim.tv_sec;
    identity->modNanoseconds = info.st_mtim.tv_nsec;
}

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

bool ParseExpected(const std::string& text, std::optional<Identity>* expected) {
    if (text == "any") {
        expected->reset();
        return true;
    }
    Identity identity;
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

Identity CurrentIdentity(int folder, const std::string& name) {
    Identity identity;
    const int fd = openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) return identity;
    identity.exists = true;
    identity.size = -1; // matches nothing unless read below
    struct stat info;
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        NoteStat(info, &identity);
        uint64_t hash = Hash(nullptr, 0);
        char piece[65536];
        ssize_t got;
        while ((got = read(fd, piece, sizeof piece)) > 0)
            hash = Hash(piece, size_t(got), hash);
        identity.contentHash = hash;
    }
    if (fd >= 0) close(fd);
    return identity;
}

bool SameIdentity(const Identity& a, const Identity& b) {
    if (a.exists != b.exists) return false;
    return !a.exists || (a.device == b.device && a.inode == b.inode && a.size == b.size &&
                         a.modSeconds == b.modSeconds && a.modNanoseconds == b.modNanoseconds &&
                         a.contentHash == b.contentHash);
}

Installed Install(int folder, const std::string& name, const std::string& bytes, bool backup,
                  Identity* written, std::string* why) {
    struct stat old;
    const bool hadOld =
        fstatat(folder, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode);
    const bool keepsItsOwn = hadOld && old.st_uid == 0 && !(old.st_mode & (S_IWGRP | S_IWOTH));
    std::string temporary;
    if (!WriteNew(folder, name, bytes, keepsItsOwn ? old.st_gid : 0,
                  keepsItsOwn ? (old.st_mode & 07777) : 0644, &temporary, why))
        return Installed::Failed;
    if ((backup && hadOld && !KeepBackup(folder, name, why)) ||
        (why->empty() && renameat(folder, temporary.c_str(), folder, name.c_str()) != 0)) {
        if (why->empty()) *why = std::string("cannot rename the new file: ") + std::strerror(errno);
        unlinkat(folder, temporary.c_str(), 0);
        return Installed::Failed;
    }
    struct stat now;
    if (fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0) NoteStat(now, written);
    if (fsync(folder) != 0) {
        *why = std::string("the new file is in place, but flushing its folder failed: ") +
               std::strerror(errno);
        return Installed::NotFlushed;
    }
    return Installed::Done;
}

} // namespace commit
