// List references, opaque for now. The List Manager comes with the dialog platform.
#pragma once

struct ListRec;
typedef ListRec* ListPtr;
typedef ListPtr* ListHandle;
