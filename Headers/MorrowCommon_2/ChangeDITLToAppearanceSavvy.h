// Makes the popup menus and scroll bars of a dialog's item list use the control kinds that the
// running system offers: the Appearance kinds when the Appearance Manager is there, the classic
// ones when it is not. The 'CNTL' templates the items name are converted in memory and written
// back to their file; converting twice changes nothing the second time.
#pragma once

#include "Platform/Dialogs.h"

// The item after the one at item in a 'DITL': 14 bytes of header (placeholder, box, type,
// data length) and the data, padded to an even length.
Ptr GetNextDialogItemPtr(Ptr item);

// Converts 'DITL' ditlID; nothing happens when there is none.
void ChangeDITLToAppearanceSavvy(SInt16 ditlID);

// GetNewDialog after converting the item list of the same ID.
DialogRef MyAppearanceSavvyGetNewDialog(SInt16 dialogID, void* storage, WindowRef behind);
