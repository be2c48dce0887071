#include "Korvane/Shell/Globals.h"

Boolean gquit;
Boolean gInBackground;
NavEventUPP gNavEventProc;
Boolean SAVE_BUTTON_Flag;
Boolean AUTH_CREATEL_Flag;
Boolean lClickValue;
AuthorizationRef myAuthorizationRef;
