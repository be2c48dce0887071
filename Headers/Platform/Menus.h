// Menu references, opaque for now. The Menu Manager comes with the dialog platform.
#pragma once

typedef struct OpaqueMenuRef* MenuRef;
typedef MenuRef MenuHandle;
