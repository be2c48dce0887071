#include "Korvane/DataStore/PrivilegedReplace.h"

#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

// A path in the OEM folder: the folder's path, a slash and a name of up to 255 bytes.
struct FolderItemPath {
    char path[kJAFolderPathSize + 257];
};

OSErr ComposeItemPath(const GlueRec* context, ConstStr255Param name, FolderItemPath* item) {
    int written = std::snprintf(item->path, sizeof item->path, "%s/%.*s", context->jaFolderPath,
                                int(name[0]), name + 1);
    return written < 0 || size_t(written) >= sizeof item->path ? bdNamErr : noErr;
}

// Only the superuser writes in the folder; until its mode is set, a new file is also readable
// by nobody else.
class SecretFilesClass {
  public:
    SecretFilesClass() : old_(umask(077)) {}
    ~SecretFilesClass() { umask(old_); }
    SecretFilesClass(const SecretFilesClass&) = delete;
    SecretFilesClass& operator=(const SecretFilesClass&) = delete;

  private:
    mode_t old_;
};

OSErr RemoveAsRoot(const char* path) {
    const char* arguments[] = {"-f", path, nullptr};
    return RunPrivilegedTool("/bin/rm", arguments, false);
}

// Writes the bytes to a new file at path that nobody else can have opened: a file left by an
// interrupted commit, or planted while the folder was open to all, goes first (rm removes a
// link rather than following it), and dd makes a new file or fails.
OSErr WriteNewFileAsRoot(const char* path, const void* text, SInt32 length) {
    char output[sizeof(FolderItemPath) + 3], count[24];
    std::snprintf(output, sizeof output, "of=%s", path);
    std::snprintf(count, sizeof count, "count=%ld", long(length));
    OSErr err = RemoveAsRoot(path);
    const char* ddArguments[] = {output,
                                 "bs=65536",
                                 "iflag=count_bytes,fullblock",
                                 count,
                                 "conv=excl,fsync",
                                 "oflag=nofollow",
                                 "status=none",
                                 nullptr};
    if (err == noErr) err = RunPrivilegedTool("/bin/dd", ddArguments, false, text, length);
    const char* chownArguments[] = {"root", path, nullptr};
    if (err == noErr) err = RunPrivilegedTool("/usr/sbin/chown", chownArguments, false);
    const char* chmodArguments[] = {"644", path, nullptr};
    if (err == noErr) err = RunPrivilegedTool("/bin/chmod", chmodArguments, false);
    return err;
}

// Puts the bytes at target, in the OEM folder, in one step: the file there is either the old one
// or the new one, whole.
OSErr InstallAsRoot(const GlueRec* context, const char* target, const void* text, SInt32 length) {
    FolderItemPath replacement;
    OSErr err = ComposeItemPath(context, kReplacementName, &replacement);
    if (err == noErr && std::strcmp(replacement.path, target) == 0) err = bdNamErr;
    if (err != noErr) return err;
    err = WriteNewFileAsRoot(replacement.path, text, length);
    const char* moveArguments[] = {"-f", "-T", replacement.path, target, nullptr};
    if (err == noErr) err = RunPrivilegedTool("/bin/mv", moveArguments, false);
    if (err != noErr) RemoveAsRoot(replacement.path);
    return err;
}

// The file's type and creator live in a sidecar beside it, which the superuser writes too where
// it is missing or not the superuser's own plain file.
OSErr InstallFinderInfoAsRoot(const GlueRec* context) {
    Str255 sidecarName;
    UInt8 bytes[kFinderInfoSidecarSize];
    SInt32 length;
    FolderItemPath sidecar;
    OSErr err = PlatformFinderInfoSidecar(context->jaFileSpec.name, kSettingsFileCreator,
                                          kSettingsFileType, sidecarName, bytes, &length);
    if (err == noErr) err = ComposeItemPath(context, sidecarName, &sidecar);
    if (err != noErr) return err;
    struct stat info;
    if (lstat(sidecar.path, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == 0) return noErr;
    return InstallAsRoot(context, sidecar.path, bytes, length);
}

} // namespace

OSErr SecureJAFolder(const GlueRec* context) {
    struct stat folder;
    if (lstat(context->jaFolderPath, &folder) != 0 || !S_ISDIR(folder.st_mode)) return dirNFErr;
    OSErr err = noErr;
    if (folder.st_uid != 0) {
        const char* arguments[] = {"root", context->jaFolderPath, nullptr};
        err = RunPrivilegedTool("/usr/sbin/chown", arguments, false);
    }
    if (err == noErr && (folder.st_mode & (S_IWGRP | S_IWOTH))) {
        const char* arguments[] = {"755", context->jaFolderPath, nullptr};
        err = RunPrivilegedTool("/bin/chmod", arguments, false);
    }
    return err;
}

OSErr ReplaceJAPrefsAsRoot(const GlueRec* context, const void* text, SInt32 length) {
    SecretFilesClass secret;
    OSErr err = InstallFinderInfoAsRoot(context);
    if (err == noErr) err = InstallAsRoot(context, context->jaFilePath, text, length);
    if (err != noErr) return err;
    // The renames themselves reach the disk with the folder.
    const char* syncArguments[] = {context->jaFolderPath, nullptr};
    return RunPrivilegedTool("/bin/sync", syncArguments, false);
}
