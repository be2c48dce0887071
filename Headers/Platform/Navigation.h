// Navigation dialog references and the event callback, opaque for now. Navigation Services
// come with the dialog platform.
#pragma once

#include "Platform/MacTypes.h"

typedef struct __NavDialog* NavDialogRef;
typedef SInt32 NavEventCallbackMessage;
struct NavCBRec;
typedef NavCBRec* NavCBRecPtr;

typedef void (*NavEventProcPtr)(NavEventCallbackMessage callBackSelector, NavCBRecPtr callBackParms,
                                void* callBackUD);
typedef NavEventProcPtr NavEventUPP;
