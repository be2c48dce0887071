// The current port's colours, and colour tables.
#include "Controls/TemplateReader.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "QuickDraw/Port.h"

#include <cstddef>

using namespace platform::quickdraw;

void RGBForeColor(const RGBColor* color) {
    CurrentPort()->foreColor = *color;
}
void RGBBackColor(const RGBColor* color) {
    CurrentPort()->backColor = *color;
}
void GetForeColor(RGBColor* color) {
    *color = CurrentPort()->foreColor;
}
void GetBackColor(RGBColor* color) {
    *color = CurrentPort()->backColor;
}

namespace {

constexpr Size kTableHeader = offsetof(ColorTable, ctTable);

CTabHandle NewTable(int count) {
    Handle table = NewHandleClear(kTableHeader + Size(count) * Size(sizeof(ColorSpec)));
    if (table) reinterpret_cast<ColorTable*>(*table)->ctSize = SInt16(count - 1);
    return reinterpret_cast<CTabHandle>(table);
}

// A 'clut' resource holds the table big-endian: seed, flags, count - 1, then value and
// red, green, blue per entry.
CTabHandle TableFromResource(Handle resource) {
    platform::controls::TemplateReader in(resource);
    const SInt32 seed = in.Int32();
    const SInt16 flags = in.Int16();
    const int count = in.Int16() + 1;
    if (!in.Ok() || count < 1 || GetHandleSize(resource) < kTableHeader + Size(count) * 8)
        return nullptr;
    CTabHandle table = NewTable(count);
    if (!table) return nullptr;
    (*table)->ctSeed = seed;
    (*table)->ctFlags = flags;
    for (int i = 0; i < count; ++i) {
        ColorSpec& entry = (*table)->ctTable[i];
        entry.value = in.Int16();
        entry.rgb = RGBColor{UInt16(in.Int16()), UInt16(in.Int16()), UInt16(in.Int16())};
    }
    return table;
}

} // namespace

CTabHandle GetCTable(SInt16 ctID) {
    if (Handle resource = GetResource(FOUR_CHAR_CODE("clut"), ctID)) {
        CTabHandle table = TableFromResource(resource);
        SetQDError(table ? noErr : MemError() ? MemError() : resNotFound);
        return table;
    }
    if (ctID != 1) {
        SetQDError(resNotFound);
        return nullptr;
    }
    CTabHandle table = NewTable(2);
    if (table) {
        (*table)->ctSeed = 1;
        (*table)->ctTable[0] = ColorSpec{0, RGBColor{65535, 65535, 65535}};
        (*table)->ctTable[1] = ColorSpec{1, RGBColor{0, 0, 0}};
    }
    SetQDError(table ? noErr : memFullErr);
    return table;
}

void DisposeCTable(CTabHandle cTable) {
    DisposeHandle(reinterpret_cast<Handle>(cTable));
}
