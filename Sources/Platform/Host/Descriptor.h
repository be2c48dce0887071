// A file descriptor owned by one object, closed when it goes.
#pragma once

#include <unistd.h>
#include <utility>

namespace platform::host {

class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // 0, or -1 with errno set; the descriptor is gone either way.
    int Close() { return fd_ >= 0 ? close(std::exchange(fd_, -1)) : 0; }

  private:
    int fd_;
};

} // namespace platform::host
