// The new file put in place of the old one in one step, in a folder opened safely: written under
// a name of its own, owned and moded on the open file, the old one kept as NAME-, renamed over
// it and flushed with the folder.
#pragma once

#include "Platform/FileIdentity.h"

#include <optional>
#include <string>
#include <sys/stat.h>

namespace commit {

// "any" (no check), "missing", or DEVICE:INODE:SIZE:SECONDS:NANOSECONDS:HASH in decimal; false
// for anything else.
bool ParseExpected(const std::string& text, std::optional<PlatformFileIdentity>* expected);

// The outcome of Install: done; failed before the rename (the old file stands, why says so); or
// renamed but not flushed (the new file stands).
enum class Installed { Done, Failed, NotFlushed };

// The group and mode a new file takes from the one it stands for: its own when that is a plain
// file of root's that group and others cannot write; root's group and 0644 otherwise (or with
// none).
void InheritedMode(const struct stat* old, gid_t* group, mode_t* mode);

// Puts bytes as name where no entry of that name is, with the group and mode given. False, with
// why set, when it cannot.
bool PlaceNew(int folder, const std::string& name, const std::string& bytes, gid_t group,
              mode_t mode, std::string* why);

// Puts bytes in place of name. An existing plain file of root's that group and others cannot
// write keeps its group and mode; any other gets root's group and 0644. With backup the old
// file is kept as NAME-. The new file's identity goes to *written once it is in place.
Installed Install(int folder, const std::string& name, const std::string& bytes, bool backup,
                  PlatformFileIdentity* written, std::string* why);

} // namespace commit
