// What the list dialog's buttons do, and the two list operations every change goes through.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "Korvane/Shell/GlueRec.h"

void JobAccountDialogItemProc(GlueRec* context, DialogRef dialog, short item);
OSErr HandleJobAccountDialogButtons(GlueRec* context, short button);
// Inserts at the start of the page on show, or replaces the entry with the same login name after
// alert 1011 (item 1). 0.
OSErr JobAccountDialogAppendEntry(GlueRec* context, Boolean doIt, const JASetting* entry);
// Alert 1011: true when the person chose to replace the entry that has the same login name.
Boolean JAConfirmReplace();
// Inserts at record index firstShown - 1 with the page bookkeeping; the caller has made sure the
// login name is new and the list is not full.
void JAInsertAtPageStart(GlueRec* context, const JASetting* entry);
// Record index (from 0) of the first entry with this login name other than skipIndex; -1 if none.
SInt16 JAFindLoginName(const GlueRec* context, ConstStr255Param loginName, SInt16 skipIndex = -1);
// Record index of the first entry equal to this one in all three fields; -1 if none.
SInt16 JAFindEntry(const GlueRec* context, const JASetting* entry);
// Removes the entry shown in the row (from 0) of the page on show. 0.
OSErr JobAccountDialogDeleteFromList(GlueRec* context, Boolean doIt, short row);
// Removes the entry at the record index (from 0), with the page bookkeeping. 0.
OSErr JobAccountDialogDeleteRecord(GlueRec* context, SInt16 recordIndex);
