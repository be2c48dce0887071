// The helper's second use: running one of the few system tools a commit needs, for a program
// whose right came from pkexec, so that one polkit action covers the whole commit.
#pragma once

namespace commit {

// argv is "--run TOOL [ARGUMENT...]". TOOL must be one of the commit's tools (true, id, mkdir,
// touch, chmod, chown) in a system folder; the process becomes it. Returns only on refusal or
// failure, with the exit status to end with.
int RunCommitTool(int argc, char** argv);

} // namespace commit
