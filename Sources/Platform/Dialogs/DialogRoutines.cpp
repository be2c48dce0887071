// Routine descriptors of user items and modal filters: the routine itself.
#include "Platform/Dialogs.h"

UserItemUPP NewUserItemUPP(UserItemProcPtr userRoutine) {
    return userRoutine;
}

void DisposeUserItemUPP(UserItemUPP) {}

void InvokeUserItemUPP(DialogRef theDialog, DialogItemIndex itemNo, UserItemUPP userUPP) {
    userUPP(theDialog, itemNo);
}

ModalFilterUPP NewModalFilterUPP(ModalFilterProcPtr userRoutine) {
    return userRoutine;
}

void DisposeModalFilterUPP(ModalFilterUPP) {}

Boolean InvokeModalFilterUPP(DialogRef theDialog, EventRecord* theEvent, DialogItemIndex* itemHit,
                             ModalFilterUPP userUPP) {
    return userUPP(theDialog, theEvent, itemHit);
}
