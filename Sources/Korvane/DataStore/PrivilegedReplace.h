// Replacing the job-accounting file as the superuser, so that no step depends on, or grants,
// anyone's write permission in the OEM folder.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Makes the OEM folder the superuser's alone: owner root, and mode 0755 when group or others
// may write it, which would let them replace the file. dirNFErr when it is not a folder (a link
// is not followed); otherwise 0 or the failing tool's status.
OSErr SecureJAFolder(const GlueRec* context);

// Gives the job-accounting file exactly the length bytes of text, with the right held. The
// bytes travel through the tool's pipe to a new file that the superuser makes in the OEM folder
// (never following a link), flushes, gives owner root and mode 0644 and renames over the file
// in one step; its type and creator sidecar likewise where it is missing. On a failure before
// the rename the file keeps its previous content; the status is the failing tool's.
OSErr ReplaceJAPrefsAsRoot(const GlueRec* context, const void* text, SInt32 length);
