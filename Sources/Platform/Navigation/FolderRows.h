// What the chooser reads of the file system: the rows that list a folder, the file types it
// offers, and paths typed relative to the folder shown.
#pragma once

#include "Platform/MacTypes.h"

#include <string>
#include <vector>

namespace platform::navigation {

// ".." first unless the folder is the root, then the folders (ending in "/") and the files, by
// name; never the "._NAME" sidecars. With types, only the files of those types.
std::vector<std::string> FolderRows(const std::string& folder, const std::vector<OSType>& types);

// A file whose type (from its Finder information) is one of types; every file when there are
// none.
bool OfferedType(const std::string& path, const std::vector<OSType>& types);

bool IsFolder(const std::string& path);
bool Exists(const std::string& path);

// The typed path made absolute against the folder shown and normalized; the folder itself for
// an empty text.
std::string ResolveTyped(const std::string& shown, const std::string& typed);

// folder when it is one, else the home folder ($HOME) when it is one, else the root.
std::string StartFolder(const std::string& folder);

} // namespace platform::navigation
