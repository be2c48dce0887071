// Makes a port current for a scope and restores the previous one on every exit.
#pragma once

#include "Platform/Quickdraw.h"

namespace platform::quickdraw {

class PortScope {
  public:
    explicit PortScope(GrafPtr port) {
        GetPort(&saved_);
        SetPort(port);
    }
    ~PortScope() { SetPort(saved_); }
    PortScope(const PortScope&) = delete;
    PortScope& operator=(const PortScope&) = delete;

  private:
    GrafPtr saved_ = nullptr;
};

} // namespace platform::quickdraw
