// Text-edit references, opaque for now. TextEdit comes with the dialog platform.
#pragma once

struct TERec;
typedef TERec* TEPtr;
typedef TEPtr* TEHandle;
