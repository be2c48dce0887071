// Moving whole resource files between open forks and memory.
#pragma once

#include "Resources/ResourceChain.h"

namespace platform::resources {

// Reads the open fork as a resource file: eofErr when it is empty, mapReadErr when damaged.
OSErr ReadResourceFork(SInt16 refNum, ResourceFileImage* image);
// Replaces what the open fork holds and puts it on disk.
OSErr WriteResourceFork(SInt16 refNum, const std::vector<UInt8>& bytes);
// Takes in the data of changed handles and, when the file may change and has changed, writes
// it whole. addResFailed when the file has grown past what the format can hold.
OSErr UpdateResourceFile(OpenResourceFile& file);

} // namespace platform::resources
