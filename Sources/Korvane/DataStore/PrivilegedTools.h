// The administrator right that the commit holds in myAuthorizationRef, and the tools run with it.
#pragma once

#include "Platform/MacTypes.h"

// Security statuses travel as their low 16 bits.
constexpr OSErr LowWord(OSStatus status) {
    return OSErr(UInt16(UInt32(status)));
}

// Obtains the right, releasing any reference held before; runs "/usr/bin/id" "-un" with it,
// its output copied to standard output; and sets AUTH_CREATEL_Flag, whether or not the tool
// started. 0, or the low 16 bits of the failing call's status, with *refused set when the
// request was made but not granted (the right is then not held).
OSErr ObtainJARight(Boolean* refused);

// Releases the right, if one is held.
void ReleaseJARight();

// Runs a tool with the right, hands it the length bytes of input on its standard input, reads
// its output to the end and waits for it to end. With copyOutput the output goes to standard
// output unchanged, in pieces of at most 128 bytes. 0 when the tool took all its input and
// exited with status 0; errAuthorizationToolEnvironmentError's low 16 bits when it did not; the
// low 16 bits of the status when it could not be started.
OSErr RunPrivilegedTool(const char* toolPath, const char* const* arguments, Boolean copyOutput,
                        const void* input = nullptr, SInt32 length = 0);
