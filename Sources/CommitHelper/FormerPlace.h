// A file that earlier versions kept in another folder moves into the new one with the commit
// that first finds it there: renamed, or copied where the two lie on different file systems.
#pragma once

#include <string>

namespace commit {

// Moves name from the former folder into folder when it is there and folder has no entry of
// that name: renamed on one file system, otherwise copied with its group and mode and then
// removed. True when moved or when there was nothing to move; false, with why set, when it
// could not be moved (the former file then stands).
bool MoveFromFormer(int former, int folder, const std::string& name, std::string* why);

// Removes what stays at the former place once the file is in place at the new one: its backup
// (NAME-, which the new place's backup supersedes) and a sidecar that was not moved.
void ClearFormer(int former, const std::string& name, const std::string& sidecarName);

} // namespace commit
