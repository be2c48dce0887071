#include "Korvane/ListDialog/TypeSelect.h"

#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ListDialog/JASelectRecord.h"
#include "Korvane/ListDialog/JATextSearch.h"
#include "Korvane/Shell/ShowAlert.h"

namespace {

constexpr UInt32 kTypingPauseTicks = 60;

} // namespace

Boolean TypeSelectJAEntry(GlueRec* context, const EventRecord* event) {
    if ((event->what != keyDown && event->what != autoKey) || (event->modifiers & cmdKey) != 0)
        return false;
    SettingPrivateRec* setting = context->settingPrivate;
    unsigned char key = (unsigned char)(event->message & charCodeMask);
    UInt32 now = TickCount();
    unsigned char* typed = setting->typedText;
    Boolean goesOn = typed[0] != 0 && now - setting->typedTicks < kTypingPauseTicks;
    // A space only goes on with a name: alone it stays the key that presses a button.
    if (key < ' ' || key == 0x7F || (key == ' ' && !goesOn)) return false;
    if (!goesOn) typed[0] = 0;
    if (typed[0] < 255) typed[++typed[0]] = key;
    setting->typedTicks = now;
    SInt16 found = JAFindUserNameStart(setting->entries, typed, SInt16(setting->firstShown - 1),
                                       SInt16(setting->lastShown - 1));
    if (found < 0) return true;
    OSErr err = JASelectRecord(context, found);
    if (err != noErr) ShowAlert(context, err);
    return true;
}
