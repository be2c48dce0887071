// One-line access to a dialog item's handle, box and text, by item number. The item's kind is
// not checked: asking a text item for its control is the caller's error.
#pragma once

#include "Platform/Dialogs.h"

ControlRef GetDialogItemControlHandle(DialogRef dialog, short item);
// Replaces the item's handle, keeping its kind and box.
void SetDialogItemControlHandle(DialogRef dialog, short item, ControlRef control);

void GetDialogItemBox(DialogRef dialog, short item, Rect* box);
// Replaces the item's box, keeping its kind and handle.
void SetDialogItemBox(DialogRef dialog, short item, const Rect* box);

void MyGetIText(DialogRef dialog, short item, Str255 text);
void MySetIText(DialogRef dialog, short item, ConstStr255Param text);
// Selects the whole text of an edit field, so that typing replaces it.
void MySelectWholeText(DialogRef dialog, short item);
