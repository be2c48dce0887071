// Dialog references, opaque for now. The Dialog Manager comes with the dialog platform.
#pragma once

#include "Platform/MacTypes.h"

typedef struct OpaqueDialogPtr* DialogRef;
typedef DialogRef DialogPtr;
typedef SInt16 DialogItemIndex;

// Draws a user item of a dialog.
typedef void (*UserItemProcPtr)(DialogRef theDialog, DialogItemIndex itemNo);
typedef UserItemProcPtr UserItemUPP;
