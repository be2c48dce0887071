// The help window's title names the product: 'STR ' -8185 takes the place of "^0".
#include "ModelessHelpDialogPrivate.h"
#include "MorrowCommon_2/LongMinMax.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/MySafeMungerPString.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

namespace {

constexpr SInt16 kProductNameID = -8185;
constexpr UInt8 kPlaceholder[] = {2, '^', '0'};

// No more of the name than the resource holds, whatever its length byte says.
void CopyResourceString(StringHandle resource, Str255 text) {
    const Size size = GetHandleSize(reinterpret_cast<Handle>(resource));
    const Size length = size < 1 ? 0 : LongMin((*resource)[0], size - 1);
    text[0] = UInt8(length);
    BlockMoveData(*resource + 1, text + 1, length);
}

void PutNameIntoTitle(DialogRef dialog, ConstStr255Param name) {
    Str255 title;
    MyGetIText(dialog, kHelpTitleItem, title);
    Handle edited = nullptr;
    if (PtrToHand(title, &edited, title[0] + 1) != noErr) return;
    MySafeMungerPString(edited, kPlaceholder, name);
    MySetIText(dialog, kHelpTitleItem, reinterpret_cast<ConstStr255Param>(*edited));
    DisposeHandle(edited);
}

} // namespace

void SetProductNameToModelessHelpDialogTitle(HelpDlgRec* rec) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(rec->dialog));
    StringHandle resource = GetString(kProductNameID);
    if (!resource) return;
    Str255 name;
    CopyResourceString(resource, name);
    PutNameIntoTitle(rec->dialog, name);
    ReleaseResource(reinterpret_cast<Handle>(resource));
}
