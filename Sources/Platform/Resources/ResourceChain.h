// The chain of open resource files, bottom (the system file) to top (the last one opened), and
// the current file, from which searches start. Each file is held as a whole image in memory and
// written back whole when it has changed.
#pragma once

#include "Platform/ResourceFileFormat.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::resources {

struct Resource {
    ResourceEntry entry; // data: what the next update writes, unless the handle is newer
    Handle handle = nullptr;
};

struct OpenResourceFile {
    SInt16 refNum = 0;
    bool writable = false; // the disk copy may change
    bool changed = false;  // the disk copy is out of date
    UInt16 fileAttributes = 0;
    std::vector<Resource> resources;

    Resource* Find(ResType type, SInt16 id);
    Resource* Find(Handle handle);
};

class ResourceChain {
  public:
    ~ResourceChain();

    // Reads the open fork as a resource file and puts it on top as the current file. On an
    // error the fork is closed.
    OSErr Push(SInt16 forkRefNum);
    // Marks the bottom file as the system file, which 0 names.
    void SetSystemFile(SInt16 refNum) { system_ = refNum; }
    bool IsSystem(const OpenResourceFile& file) const { return file.refNum == system_; }
    // Writes what changed, releases the file's handles, closes the fork and takes it out.
    OSErr Close(OpenResourceFile& file);
    void CloseAll();

    // The file by reference number, 0 meaning the system file; null when not open.
    OpenResourceFile* File(SInt16 refNum);
    OpenResourceFile* FileAtPath(const std::string& path);
    OpenResourceFile* Current() { return File(current_); }
    SInt16 CurrentRefNum() const { return current_; }
    // False, changing nothing, when the file is not open; 0 makes the system file current.
    bool MakeCurrent(SInt16 refNum);
    // The current file and those below it, top first.
    std::vector<OpenResourceFile*> SearchOrder();
    // The file holding the resource whose handle this is, and the resource; nulls when none.
    std::pair<OpenResourceFile*, Resource*> Owner(Handle handle);

  private:
    std::vector<std::unique_ptr<OpenResourceFile>> files_; // bottom first
    SInt16 current_ = 0;
    SInt16 system_ = 0;
};

// The chain of the process, with the bundle's resource files opened on first use.
ResourceChain& Chain();

// Records the result of a Resource Manager call for ResError, and returns it.
OSErr SetResError(OSErr err);

} // namespace platform::resources
