#include "MorrowCommon_2/MyDialogItems.h"

#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"

namespace {

struct ItemRecord {
    DialogItemType type;
    Handle handle;
    Rect box;
};

ItemRecord GetItemRecord(DialogRef dialog, short item) {
    ItemRecord record{};
    GetDialogItem(dialog, item, &record.type, &record.handle, &record.box);
    return record;
}

} // namespace

ControlRef GetDialogItemControlHandle(DialogRef dialog, short item) {
    return reinterpret_cast<ControlRef>(GetItemRecord(dialog, item).handle);
}

void SetDialogItemControlHandle(DialogRef dialog, short item, ControlRef control) {
    const ItemRecord record = GetItemRecord(dialog, item);
    SetDialogItem(dialog, item, record.type, reinterpret_cast<Handle>(control), &record.box);
}

void GetDialogItemBox(DialogRef dialog, short item, Rect* box) {
    *box = GetItemRecord(dialog, item).box;
}

void SetDialogItemBox(DialogRef dialog, short item, const Rect* box) {
    const ItemRecord record = GetItemRecord(dialog, item);
    SetDialogItem(dialog, item, record.type, record.handle, box);
}

void MyGetIText(DialogRef dialog, short item, Str255 text) {
    GetDialogItemText(GetItemRecord(dialog, item).handle, text);
}

void MySetIText(DialogRef dialog, short item, ConstStr255Param text) {
    SetDialogItemText(GetItemRecord(dialog, item).handle, text);
}

void MySelectWholeText(DialogRef dialog, short item) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(dialog));
    SelectDialogItemText(dialog, item, 0, 32767);
}
