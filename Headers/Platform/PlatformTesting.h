// Hooks with which tests put the platform layer into a known state. Not for the application.
#pragma once

#include "Platform/MacTypes.h"

// Makes the bundle at path the main bundle, read afresh; null goes back to the executable's.
void PlatformSetMainBundlePath(const char* path);

// Closes every open resource file (writing what changed), so that the next Resource Manager
// call opens the main bundle's resource files afresh.
void PlatformResetResourceChain();

// Makes Gestalt report this system version instead of the running kernel's.
void PlatformSetSystemVersion(SInt32 major, SInt32 minor, SInt32 patch);
void PlatformClearSystemVersion();

// Makes Gestalt give response for selector, as a system with or without that service would.
void PlatformSetGestaltAnswer(OSType selector, SInt32 response);
void PlatformClearGestaltAnswers();

// How many times NSApplicationLoad has been called in this process.
unsigned long PlatformApplicationLoadCount();

// Core Foundation objects alive in this process, leaving out those that belong to it for its
// whole life (constants, main bundles and what they hold).
long PlatformLiveObjectCount();

// What tests may leave alive by mistake. Forks count the program's own, not the main bundle's
// resource files.
struct PlatformLiveCounts {
    long windows = 0; // visible or not
    long forks = 0;
    long lists = 0;
    long textEdits = 0;
    long objects = 0; // as PlatformLiveObjectCount
};
PlatformLiveCounts PlatformCountLive();

// Puts the platform back as a freshly started process has it: no windows, dialogs, controls,
// lists, text edits or menus; no events, the button up and no display; no resource files (the
// bundle's are opened again on first use), open forks, folder IDs or volumes; the executable's
// main bundle. Core Foundation objects still alive stay, since their owners may still use them.
void PlatformResetProcessState();

// The main bundle and the system version for the life of a test's scope.
class PlatformScopedMainBundle {
  public:
    explicit PlatformScopedMainBundle(const char* path) { PlatformSetMainBundlePath(path); }
    ~PlatformScopedMainBundle() { PlatformSetMainBundlePath(nullptr); }
    PlatformScopedMainBundle(const PlatformScopedMainBundle&) = delete;
    PlatformScopedMainBundle& operator=(const PlatformScopedMainBundle&) = delete;
};

class PlatformScopedSystemVersion {
  public:
    PlatformScopedSystemVersion(SInt32 major, SInt32 minor, SInt32 patch) {
        PlatformSetSystemVersion(major, minor, patch);
    }
    ~PlatformScopedSystemVersion() { PlatformClearSystemVersion(); }
    PlatformScopedSystemVersion(const PlatformScopedSystemVersion&) = delete;
    PlatformScopedSystemVersion& operator=(const PlatformScopedSystemVersion&) = delete;
};

class PlatformScopedGestaltAnswer {
  public:
    PlatformScopedGestaltAnswer(OSType selector, SInt32 response) {
        PlatformSetGestaltAnswer(selector, response);
    }
    ~PlatformScopedGestaltAnswer() { PlatformClearGestaltAnswers(); }
    PlatformScopedGestaltAnswer(const PlatformScopedGestaltAnswer&) = delete;
    PlatformScopedGestaltAnswer& operator=(const PlatformScopedGestaltAnswer&) = delete;
};

// Called with the argument vector of every privileged tool once it has started: the tool's path
// as found, then its arguments, null-terminated. A null observer stops the calls.
typedef void (*PlatformToolObserver)(char* const* argv, void* refCon);
void PlatformSetPrivilegedToolObserver(PlatformToolObserver observer, void* refCon);

// The privileged tool of this file name exits at once with status 1 instead of running, as a
// tool that fails would; the observer still sees the tool asked for. Null ends it.
void PlatformFailPrivilegedTool(const char* name);

// Called with the byte count asked for by every FSRead, before it reads. A null observer stops
// the calls.
typedef void (*PlatformReadObserver)(SInt32 count, void* refCon);
void PlatformSetReadObserver(PlatformReadObserver observer, void* refCon);

// Stand-ins for sudo and pkexec (null or empty: that tool is absent); with them in place even a
// root process asks as a user's would. Both null goes back to the system's tools.
void PlatformSetPrivilegeTools(const char* sudo, const char* pkexec);

// Fork writes succeed for bytes more bytes in all, then write no further and fail with err, as a
// disk that fills up would.
void PlatformFailWritesAfter(SInt64 bytes, OSErr err);
void PlatformClearWriteFailure();

class PlatformScopedWriteFailure {
  public:
    PlatformScopedWriteFailure(SInt64 bytes, OSErr err) { PlatformFailWritesAfter(bytes, err); }
    ~PlatformScopedWriteFailure() { PlatformClearWriteFailure(); }
    PlatformScopedWriteFailure(const PlatformScopedWriteFailure&) = delete;
    PlatformScopedWriteFailure& operator=(const PlatformScopedWriteFailure&) = delete;
};

// Makes the File Manager meet every file system as one without user extended attributes (as FAT
// or ramfs), so Finder information is read from and written to sidecars alone.
void PlatformRefuseExtendedAttributes(Boolean refuse);

class PlatformScopedNoExtendedAttributes {
  public:
    PlatformScopedNoExtendedAttributes() { PlatformRefuseExtendedAttributes(true); }
    ~PlatformScopedNoExtendedAttributes() { PlatformRefuseExtendedAttributes(false); }
    PlatformScopedNoExtendedAttributes(const PlatformScopedNoExtendedAttributes&) = delete;
    PlatformScopedNoExtendedAttributes&
    operator=(const PlatformScopedNoExtendedAttributes&) = delete;
};
