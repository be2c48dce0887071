// The object layer's calls for standard folders, the home and temporary folders, the main
// bundle, folder listings and application start-up, as plain C++.
#pragma once

#include "Platform/CoreFoundation.h"

#include <optional>
#include <string>
#include <vector>

enum NSSearchPathDirectory : unsigned long {
    NSLibraryDirectory = 5,
    NSCachesDirectory = 13,
    NSApplicationSupportDirectory = 14,
};

// Only the local domain is offered; other masks find nothing.
enum NSSearchPathDomainMask : unsigned long { NSLocalDomainMask = 2 };

// The folder's paths in the masked domains. The local domain's paths are absolute already, so
// there is never a tilde to expand.
std::vector<std::string> NSSearchPathForDirectoriesInDomains(NSSearchPathDirectory directory,
                                                             NSSearchPathDomainMask domainMask,
                                                             bool expandTilde);

// $HOME; empty when it is unset or empty.
std::optional<std::string> NSHomeDirectory();
// $TMPDIR, or "/tmp/" when unset; always ending in "/".
std::string NSTemporaryDirectory();

// path + "/" + component with exactly one "/" between them.
std::string StringByAppendingPathComponent(const std::string& path, const std::string& component);
// The UTF-8 text of a string; empty for null or a non-string.
std::optional<std::string> UTF8String(CFTypeRef string);

class NSFileManager {
  public:
    static NSFileManager& defaultManager();
    // The names directly inside the folder, in the order the system lists them, without "."
    // and ".." and without the "._NAME" sidecars that hold resource forks (and Finder
    // information where files cannot carry it). Empty when the folder cannot be read.
    std::vector<std::string> directoryContentsAtPath(const std::string& path) const;
    // Follows symbolic links: a dangling link does not exist.
    bool fileExistsAtPath(const std::string& path, bool* isDirectory) const;
};

class NSBundle {
  public:
    static NSBundle mainBundle();
    std::optional<std::string> bundleIdentifier() const;

  private:
    explicit NSBundle(CFBundleRef bundle) : bundle_(bundle) {}
    CFBundleRef bundle_;
};

// Prepares the object layer for a procedural application. Nothing is needed here; calls are
// counted for tests.
bool NSApplicationLoad();

// The file panels: the platform's file choosers, run application-modally. Each is shared: one
// open panel and one save panel for the process.
enum : int { NSCancelButton = 0, NSOKButton = 1 };

class NSSavePanel {
  public:
    static NSSavePanel& savePanel();
    // Starts in directory (the home folder when none or missing), proposing the name file;
    // NSOKButton when the user confirmed, NSCancelButton otherwise.
    int runModalForDirectory(const std::optional<std::string>& directory,
                             const std::optional<std::string>& file);
    // The folder shown when the panel last closed; nothing before it has run.
    std::optional<std::string> directory() const { return directory_; }
    // The path chosen; nothing after a cancel.
    std::optional<std::string> filename() const { return filename_; }

  protected:
    struct Choices {
        bool open = false;
        bool files = true;
        bool folders = false;
    };
    NSSavePanel() = default;
    int Run(Choices choices, const std::optional<std::string>& directory,
            const std::optional<std::string>& file);

  private:
    std::optional<std::string> directory_;
    std::optional<std::string> filename_;
};

// Chooses an existing file, or, when folders may be chosen, the folder shown (confirming "." or
// an empty name); confirming any other folder's path enters it.
class NSOpenPanel : public NSSavePanel {
  public:
    static NSOpenPanel& openPanel();
    void setCanChooseDirectories(bool flag) { canChooseDirectories_ = flag; }
    void setCanChooseFiles(bool flag) { canChooseFiles_ = flag; }
    int runModalForDirectory(const std::optional<std::string>& directory,
                             const std::optional<std::string>& file);

  private:
    NSOpenPanel() = default;
    bool canChooseDirectories_ = false;
    bool canChooseFiles_ = true;
};

// Writes the printf-formatted text to standard error as one line.
void NSLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Releases, when it ends, every object handed to CFAutorelease while it was the innermost pool.
class NSAutoreleasePool {
  public:
    NSAutoreleasePool();
    ~NSAutoreleasePool();
    NSAutoreleasePool(const NSAutoreleasePool&) = delete;
    NSAutoreleasePool& operator=(const NSAutoreleasePool&) = delete;

    void add(CFTypeRef object) { objects_.push_back(object); }

  private:
    std::vector<CFTypeRef> objects_;
    NSAutoreleasePool* outer_;
};
