#include "ForkTable.h"

#include "AppleDouble.h"
#include "FileErrors.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {

namespace {

class DataFork : public Fork {
  public:
    explicit DataFork(int fd) : fd_(fd) {}
    ~DataFork() override { Close(); }

    OSErr Read(SInt64 offset, void* buffer, SInt64 count, SInt64* done) override {
        *done = 0;
        while (*done < count) {
            ssize_t got = pread(fd_, static_cast<char*>(buffer) + *done, size_t(count - *done),
                                off_t(offset + *done));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return ErrnoToOSErr(errno);
            if (got == 0) break;
            *done += got;
        }
        return noErr;
    }

    OSErr Write(SInt64 offset, const void* buffer, SInt64 count, SInt64* done) override {
        *done = 0;
        while (*done < count) {
            ssize_t put = pwrite(fd_, static_cast<const char*>(buffer) + *done,
                                 size_t(count - *done), off_t(offset + *done));
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) return ErrnoToOSErr(errno);
            *done += put;
        }
        return noErr;
    }

    OSErr GetLength(SInt64* length) override {
        struct stat info;
        if (fstat(fd_, &info) != 0) return ErrnoToOSErr(errno);
        *length = info.st_size;
        return noErr;
    }

    OSErr SetLength(SInt64 length) override {
        return ftruncate(fd_, off_t(length)) == 0 ? noErr : ErrnoToOSErr(errno);
    }

    OSErr Close() override {
        if (fd_ < 0) return noErr;
        int result = close(fd_);
        fd_ = -1;
        return result == 0 ? noErr : ErrnoToOSErr(errno);
    }

  private:
    int fd_;
};

// Resource forks are small; they are read whole and written back to the sidecar on close.
class ResourceFork : public Fork {
  public:
    explicit ResourceFork(std::string path) : path_(std::move(path)) {
        // The sidecar must outlive the entry it lends.
        const AppleDouble sidecar = AppleDouble::Load(path_);
        if (const auto* bytes = sidecar.Entry(kAppleDoubleResourceFork)) bytes_ = *bytes;
    }

    OSErr Read(SInt64 offset, void* buffer, SInt64 count, SInt64* done) override {
        SInt64 size = SInt64(bytes_.size());
        *done = std::clamp<SInt64>(size - offset, 0, count);
        if (*done > 0) std::memcpy(buffer, bytes_.data() + offset, size_t(*done));
        return noErr;
    }

    OSErr Write(SInt64 offset, const void* buffer, SInt64 count, SInt64* done) override {
        if (SInt64(bytes_.size()) < offset + count) bytes_.resize(size_t(offset + count));
        std::memcpy(bytes_.data() + offset, buffer, size_t(count));
        *done = count;
        dirty_ = true;
        return noErr;
    }

    OSErr GetLength(SInt64* length) override {
        *length = SInt64(bytes_.size());
        return noErr;
    }

    OSErr SetLength(SInt64 length) override {
        bytes_.resize(size_t(length));
        dirty_ = true;
        return noErr;
    }

    OSErr Close() override { return Flush(); }

    OSErr Flush() override {
        if (!dirty_) return noErr;
        AppleDouble sidecar = AppleDouble::Load(path_);
        sidecar.SetEntry(kAppleDoubleResourceFork, bytes_);
        dirty_ = false;
        return sidecar.Save(path_) ? noErr : ErrnoToOSErr(errno);
    }

  private:
    std::string path_;
    std::vector<UInt8> bytes_;
    bool dirty_ = false;
};

bool WantsWrite(SInt8 permission) {
    return permission == fsWrPerm || permission == fsRdWrPerm || permission == fsRdWrShPerm;
}

// The original platform refused a second writer unless both asked for shared access.
bool ConflictsWithOpenWriter(const std::map<SInt16, OpenFork>& forks, const std::string& path,
                             bool resourceFork, SInt8 permission, SInt16* existing) {
    for (const auto& [refNum, open] : forks)
        if (open.path == path && open.resourceFork == resourceFork && open.canWrite &&
            permission != fsRdWrShPerm) {
            *existing = refNum;
            return true;
        }
    return false;
}

// Opened without waiting (a FIFO swapped in after the check would otherwise hang the open), and
// kept only when it is a plain file still. Nothing is written through a link.
OSErr OpenDataFd(const std::string& path, bool write, int* fd) {
    const int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (write ? O_NOFOLLOW : 0);
    *fd = open(path.c_str(), (write ? O_RDWR : O_RDONLY) | flags);
    if (*fd < 0 && write && errno == EACCES) *fd = open(path.c_str(), O_WRONLY | flags);
    if (*fd < 0) return ErrnoToOSErr(errno, Operation::Open);
    struct stat info;
    if (fstat(*fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(*fd);
        *fd = -1;
        return notAFileErr;
    }
    fcntl(*fd, F_SETFL, fcntl(*fd, F_GETFL) & ~O_NONBLOCK);
    return noErr;
}

} // namespace

OSErr ForkTable::Open(const std::string& path, bool resourceFork, SInt8 permission,
                      SInt16* refNum) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return ErrnoToOSErr(errno, Operation::Open);
    // Only plain files have forks: a folder, a FIFO or a device is refused before it is opened.
    if (!S_ISREG(info.st_mode)) return notAFileErr;
    bool lockedOrReadOnly = !(info.st_mode & S_IWUSR) || access(path.c_str(), W_OK) != 0;
    if (WantsWrite(permission) && lockedOrReadOnly) return permErr;
    bool write = permission == fsCurPerm ? !lockedOrReadOnly : WantsWrite(permission);
    if (write && ConflictsWithOpenWriter(forks_, path, resourceFork, permission, refNum))
        return opWrErr;

    OpenFork open{path, resourceFork, permission != fsWrPerm, write, 0, nullptr};
    if (resourceFork) {
        open.fork = std::make_unique<ResourceFork>(path);
    } else {
        int fd;
        if (OSErr err = OpenDataFd(path, write, &fd)) return err;
        open.fork = std::make_unique<DataFork>(fd);
    }
    SInt16 number = 2;
    while (forks_.count(number))
        ++number;
    if (number <= 0) return tmfoErr;
    forks_.emplace(number, std::move(open));
    *refNum = number;
    return noErr;
}

OSErr ForkTable::OpenDataAsResourceFork(const std::string& path, SInt8 permission, SInt16* refNum) {
    OSErr err = Open(path, false, permission, refNum);
    if (err == noErr) {
        OpenFork& open = forks_.at(*refNum);
        open.resourceFork = open.bundleFile = true;
    }
    return err;
}

OSErr ForkTable::Close(SInt16 refNum) {
    auto found = forks_.find(refNum);
    if (found == forks_.end()) return rfNumErr;
    OSErr err = found->second.fork->Close();
    forks_.erase(found);
    return err;
}

OpenFork* ForkTable::Find(SInt16 refNum) {
    auto found = forks_.find(refNum);
    return found == forks_.end() ? nullptr : &found->second;
}

SInt16 ForkTable::RefNumAt(SInt16 index) const {
    if (index < 1 || size_t(index) > forks_.size()) return 0;
    return std::next(forks_.begin(), index - 1)->first;
}

bool ForkTable::IsOpen(const std::string& path) const {
    return std::any_of(forks_.begin(), forks_.end(),
                       [&](const auto& entry) { return entry.second.path == path; });
}

long ForkTable::ProgramForkCount() const {
    return long(std::count_if(forks_.begin(), forks_.end(),
                              [](const auto& entry) { return !entry.second.bundleFile; }));
}

void ForkTable::CloseAll() {
    while (!forks_.empty())
        Close(forks_.begin()->first);
}

ForkTable& Forks() {
    static ForkTable table;
    return table;
}

} // namespace platform::files
