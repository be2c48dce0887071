// The new file put in place of the old one in one step, in a folder opened safely: written under
// a name of its own, owned and moded on the open file, the old one kept as NAME-, renamed over
// it and flushed with the folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace commit {

// What a file is: enough to tell that nobody replaced or changed it.
struct Identity {
    bool exists = false;
    uint64_t device = 0, inode = 0;
    int64_t size = 0, modSeconds = 0, modNanoseconds = 0;
    uint64_t contentHash = 0;
};

// "any" (no check), "missing", or DEVICE:INODE:SIZE:SECONDS:NANOSECONDS:HASH in decimal; false
// for anything else.
bool ParseExpected(const std::string& text, std::optional<Identity>* expected);

// The file in the folder as it is now, its content hashed afresh. A file that is there but
// cannot be read, or is no plain file, matches nothing.
Identity CurrentIdentity(int folder, const std::string& name);
bool SameIdentity(const Identity& a, const Identity& b);

// The outcome of Install: done; failed before the rename (the old file stands, why says so); or
// renamed but not flushed (the new file stands).
enum class Installed { Done, Failed, NotFlushed };

// Puts bytes in place of name. An existing plain file of root's that group and others cannot
// write keeps its group and mode; any other gets root's group and 0644. With backup the old
// file is kept as NAME-. The new file's identity (without its hash) goes to *written once it is
// in place.
Installed Install(int folder, const std::string& name, const std::string& bytes, bool backup,
                  Identity* written, std::string* why);

} // namespace commit
