// Closing the help window: everything its record owns, the window, the record, the template.
#include "ModelessHelpDialogPrivate.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

namespace {

void DisposeHelpParts(HelpDlgRec* rec) {
    if (rec->topicTextIDs) DisposePtr(rec->topicTextIDs);
    if (rec->versionDrawUPP) DisposeUserItemUPP(rec->versionDrawUPP);
    if (rec->scrollActionUPP) DisposeControlActionUPP(rec->scrollActionUPP);
    if (rec->filterUPP) DisposeModalFilterUPP(rec->filterUPP);
    if (rec->textEdit) TEDispose(rec->textEdit);
    if (rec->topicList) LDispose(rec->topicList);
}

} // namespace

void DisposeModelessHelpDialog(DialogRef* dialogRef) {
    if (*dialogRef) {
        HelpDlgRec* rec = GetModelessHelpDialogRec(*dialogRef);
        const short dialogID = rec->dialogID;
        DisposeHelpParts(rec);
        DisposeDialog(*dialogRef);
        DisposePtr(reinterpret_cast<Ptr>(rec));
        ReleaseResource(GetResource(FOUR_CHAR_CODE("DLOG"), dialogID));
    }
    *dialogRef = nullptr;
}

// The help window has nothing to print.
void PrintModelessHelpDialogList(DialogRef dialog) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(dialog));
}
