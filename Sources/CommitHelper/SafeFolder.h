// The folder a commit writes in, opened from / down without following a link, so that nobody
// but root can have a hand in where the new file lands.
#pragma once

#include <string>

namespace commit {

// An open folder; -1 with why set when it could not be had, and unsafe set when that is because
// others than root could change a folder on the path.
struct OpenFolder {
    int fd = -1;
    std::string why;
    bool unsafe = false;
};

// Opens the absolute path's folders one by one. Each must be a real folder owned by root that
// group and others cannot write, unless its sticky bit keeps them from replacing root's entries
// (as /tmp's does). The last one is made (root's, 0755) when it is missing and make asks, and
// made root's and closed to group and others' writing when it is not, as earlier versions left
// it open.
OpenFolder OpenSafeFolder(const std::string& path, bool make);

} // namespace commit
