// The open forks of the process (the original platform's file control blocks). A data fork is
// the plain file; a resource fork is held in memory and written back to the sidecar.
#pragma once

#include "Platform/MacTypes.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform::files {

class Fork {
  public:
    virtual ~Fork() = default;
    virtual OSErr Read(SInt64 offset, void* buffer, SInt64 count, SInt64* done) = 0;
    virtual OSErr Write(SInt64 offset, const void* buffer, SInt64 count, SInt64* done) = 0;
    virtual OSErr GetLength(SInt64* length) = 0;
    virtual OSErr SetLength(SInt64 length) = 0;
    // Puts what was written on disk without closing.
    virtual OSErr Flush() { return noErr; }
    virtual OSErr Close() = 0;
};

struct OpenFork {
    std::string path;
    bool resourceFork = false;
    bool canRead = false;
    bool canWrite = false;
    SInt64 mark = 0;
    std::unique_ptr<Fork> fork;
    bool bundleFile = false; // a resource file of the main bundle, which the platform opened
};

class ForkTable {
  public:
    // Opens a fork with the original platform's permissions; the reference number is positive.
    OSErr Open(const std::string& path, bool resourceFork, SInt8 permission, SInt16* refNum);
    // Opens the data fork of a plain file that holds a resource file (the application's own):
    // the Resource Manager reads it whole, and the fork reports as a resource fork.
    OSErr OpenDataAsResourceFork(const std::string& path, SInt8 permission, SInt16* refNum);
    OSErr Close(SInt16 refNum);
    OpenFork* Find(SInt16 refNum);
    // The refNum of the index-th open fork (1-based), 0 when there is none.
    SInt16 RefNumAt(SInt16 index) const;
    bool IsOpen(const std::string& path) const;
    // For tests: the forks the program opened, and closing every fork.
    long ProgramForkCount() const;
    void CloseAll();

  private:
    std::map<SInt16, OpenFork> forks_;
};

ForkTable& Forks();

} // namespace platform::files
