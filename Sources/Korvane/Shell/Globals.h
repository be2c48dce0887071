// The program's global flags and the administrator right it holds. Plain bytes, zero at load.
#pragma once

#include "Platform/Authorization.h"
#include "Platform/MacTypes.h"
#include "Platform/Navigation.h"

extern Boolean gquit;
extern Boolean gInBackground;
extern NavEventUPP gNavEventProc;
// The working copy holds changes not yet committed to the job-accounting file.
extern Boolean SAVE_BUTTON_Flag;
// The job-accounting file may be written: the right was obtained, or the run is sandboxed.
extern Boolean AUTH_CREATEL_Flag;
extern Boolean lClickValue;
extern AuthorizationRef myAuthorizationRef;
