// The topics: rows of the list from 'Help' tables, and the text of the topic shown.
#include "ModelessHelpDialogPrivate.h"
#include "MorrowCommon_2/LongMinMax.h"
#include "MorrowCommon_2/MyByteBuffers.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

namespace {

constexpr ResType kHelpType = FOUR_CHAR_CODE("Help");
constexpr ResType kTextType = FOUR_CHAR_CODE("TEXT");
constexpr ResType kStyleType = FOUR_CHAR_CODE("styl");

// A 16-bit count, then entries of a 48-byte title field (length byte and up to 47 bytes) and
// a 16-bit text ID.
constexpr Size kHelpCountSize = 2;
constexpr Size kHelpEntrySize = 50;
constexpr Size kTitleFieldSize = 48;
constexpr UInt8 kTitleMaxLength = 47;
constexpr SInt32 kMaxTopics = 32767;

constexpr SInt16 kJapaneseTextSize = 9;
constexpr SInt32 kWholeText = 32767;

// No more entries than the resource holds, whatever its count says, and no more rows than a
// list can number.
SInt32 EntryCount(Handle help, short topicCount) {
    const Size size = GetHandleSize(help);
    if (size < kHelpCountSize) return 0;
    const SInt32 stated = GetShortFromOddAddressPointer(*help);
    return LongMin(LongMax(stated, 0), (size - kHelpCountSize) / kHelpEntrySize,
                   kMaxTopics - topicCount);
}

Boolean Excluded(short textID, short excludeCount, const short* excludeList) {
    for (short i = 0; excludeList && i < excludeCount; ++i)
        if (excludeList[i] == textID) return true;
    return false;
}

OSErr GrowTopicTextIDs(HelpDlgRec* rec, SInt32 more) {
    const Size used = Size(rec->topicCount * sizeof(short));
    Ptr grown = NewPtrClear(used + Size(more * sizeof(short)));
    if (!grown) return memFullErr;
    if (rec->topicTextIDs) {
        BlockMoveData(rec->topicTextIDs, grown, used);
        DisposePtr(rec->topicTextIDs);
    }
    rec->topicTextIDs = grown;
    return noErr;
}

void AddTopic(HelpDlgRec* rec, const UInt8* entry) {
    const short row = rec->topicCount;
    LAddRow(1, (**rec->topicList).dataBounds.bottom, rec->topicList);
    ModelessHelpDialogTopicTextIDs(rec)[row] =
        GetShortFromOddAddressPointer(entry + kTitleFieldSize);
    const UInt8 titleLength = entry[0] < kTitleMaxLength ? entry[0] : kTitleMaxLength;
    LSetCell(entry + 1, titleLength, Cell{row, 0}, rec->topicList);
    ++rec->topicCount;
}

void AddTopics(HelpDlgRec* rec, Handle help, SInt32 count, short excludeCount,
               const short* excludeList) {
    for (SInt32 i = 0; i < count; ++i) {
        const auto* entry =
            reinterpret_cast<const UInt8*>(*help + kHelpCountSize + ptrdiff_t(i) * kHelpEntrySize);
        const short textID = GetShortFromOddAddressPointer(entry + kTitleFieldSize);
        if (!Excluded(textID, excludeCount, excludeList)) AddTopic(rec, entry);
    }
}

// Without a style scrap the text takes the system font, smaller for Japanese.
void InsertTopicText(TEHandle textEdit, Handle text, Handle style) {
    const SInt8 state = HGetState(text);
    HLock(text);
    if (style) {
        TEStyleInsert(*text, GetHandleSize(text), reinterpret_cast<StScrpHandle>(style), textEdit);
    } else {
        TextStyle systemStyle = {};
        systemStyle.tsFont = GetSysFont();
        systemStyle.tsSize = CurrentLanguageIsJapanese() ? kJapaneseTextSize : LMGetSysFontSize();
        TESetStyle(doFont + doSize, &systemStyle, true, textEdit);
        TEInsert(*text, GetHandleSize(text), textEdit);
    }
    HSetState(text, state);
}

} // namespace

OSErr ReadModelessHelpDialogInfo(HelpDlgRec* rec, short helpID, short excludeCount,
                                 const short* excludeList) {
    Handle help = GetResource(kHelpType, helpID);
    if (!help) return resNotFound;
    HLock(help);
    const SInt32 count = EntryCount(help, rec->topicCount);
    const OSErr err = GrowTopicTextIDs(rec, count);
    if (err == noErr) {
        AddTopics(rec, help, count, excludeCount, excludeList);
        LSetSelect(true, Cell{0, 0}, rec->topicList);
        LSetDrawingMode(true, rec->topicList);
    }
    ReleaseResource(help);
    return err;
}

// A topic beyond the table (all of them excluded) shows no text.
OSErr ChangeTheModelessHelpDialogMessage(HelpDlgRec* rec, short topic) {
    SaveAndRestoreTheGrafPortClass savePort(GetDialogPort(rec->dialog));
    Handle text = nullptr, style = nullptr;
    if (topic >= 0 && topic < rec->topicCount) {
        const short textID = ModelessHelpDialogTopicTextIDs(rec)[topic];
        text = GetResource(kTextType, textID);
        style = GetResource(kStyleType, textID);
    }
    TEDeactivate(rec->textEdit);
    TESetSelect(0, kWholeText, rec->textEdit);
    TEDelete(rec->textEdit);
    if (text) {
        InsertTopicText(rec->textEdit, text, style);
        ReleaseResource(text);
    }
    if (style) ReleaseResource(style);
    return noErr;
}
