// Builds dialog, item-list and control templates as resource bytes, and puts them in a resource
// file of their own that is current for the test.
#pragma once

#include "MorrowCommon_2/MyResFile.h"
#include "Platform/Dialogs.h"
#include "Platform/Resources.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/ResourceFiles.h"

#include <string>
#include <vector>

namespace testsupport {

// Resource bytes, big-endian.
class Bytes {
  public:
    Bytes& Big16(std::initializer_list<int> values) {
        for (int value : values)
            bytes.insert(bytes.end(), {UInt8(UInt16(value) >> 8), UInt8(value)});
        return *this;
    }
    Bytes& Big16(int value) { return Big16({value}); }
    Bytes& Byte(int value) {
        bytes.push_back(UInt8(value));
        return *this;
    }
    Bytes& Box(SInt16 left, SInt16 top, SInt16 width, SInt16 height) {
        return Big16({top, left, top + height, left + width});
    }
    Bytes& Pascal(const std::string& text) {
        Byte(int(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& Even() { return bytes.size() % 2 ? Byte(0) : *this; }
    // One item of an item list: the placeholder, the box, the type and its data.
    Bytes& Item(UInt8 kind, SInt16 left, SInt16 top, SInt16 width, SInt16 height,
                const std::vector<UInt8>& data) {
        Big16({0, 0}).Box(left, top, width, height).Byte(kind).Byte(int(data.size()));
        bytes.insert(bytes.end(), data.begin(), data.end());
        return Even();
    }

    std::vector<UInt8> bytes;
};

// Items side by side on one row.
class ItemList {
  public:
    ItemList& Text(UInt8 kind, const std::string& text) { return Add(kind, BytesOf(text)); }
    ItemList& Control(SInt16 controlID) {
        return Add(ctrlItem + resCtrl, Bytes().Big16(controlID).bytes);
    }
    std::vector<UInt8> bytes() const {
        std::vector<UInt8> all = Bytes().Big16(count_ - 1).bytes;
        all.insert(all.end(), items_.bytes.begin(), items_.bytes.end());
        return all;
    }

  private:
    ItemList& Add(UInt8 kind, const std::vector<UInt8>& data) {
        ++count_;
        items_.Item(kind, SInt16(96 * count_), 16, 88, 16, data);
        return *this;
    }

    int count_ = 0;
    Bytes items_;
};

// Bounds, value, visible, maximum, minimum, procID, refCon and title.
inline std::vector<UInt8> ControlTemplate(SInt16 procID) {
    return Bytes().Box(0, 0, 96, 16).Big16({0, 0x0100, 1, 0, procID, 0, 0}).Pascal("").bytes;
}

// Bounds, procID, visible, close box, refCon, items, title and placement.
inline std::vector<UInt8> DialogTemplate(SInt16 left, SInt16 width, SInt16 itemsID) {
    Bytes dlog;
    dlog.Box(left, 64, width, 128).Big16({4, 0x0100, 0, 0, 0, itemsID});
    return dlog.Pascal("Test").Even().Big16(0).bytes;
}

// The resources in the resource fork of a file in a temporary folder, opened as the current
// resource file, and closed (so written) at the end.
class ScopedTemplateFile {
  public:
    explicit ScopedTemplateFile(const std::vector<ResourceEntry>& entries) {
        ResourceFileImage image;
        image.entries = entries;
        WriteResourceForkBytes(spec, platform::resources::SerializeResourceFile(image));
        Open();
    }
    ~ScopedTemplateFile() { Close(); }
    ScopedTemplateFile(const ScopedTemplateFile&) = delete;
    ScopedTemplateFile& operator=(const ScopedTemplateFile&) = delete;

    void Open() {
        if (MyOpenResFile(&spec, &refNum) != noErr) refNum = 0;
    }
    void Close() {
        if (refNum) CloseResFile(refNum);
        refNum = 0;
    }
    // The resources as the file holds them, once closed.
    ResourceFileImage OnDisk() const {
        ResourceFileImage image;
        platform::resources::ParseResourceFile(ForkBytes(), &image);
        return image;
    }

    TempFolder temp;
    FSSpec spec = SpecIn(temp.str(), "Templates");
    SInt16 refNum = 0;

  private:
    std::vector<UInt8> ForkBytes() const {
        std::vector<UInt8> bytes(1 << 16);
        SInt16 fork = OpenResourceFork(spec, fsRdPerm);
        SInt32 count = SInt32(bytes.size());
        FSRead(fork, &count, bytes.data());
        FSClose(fork);
        bytes.resize(size_t(count));
        return bytes;
    }
};

inline ResourceEntry Resource(const char (&type)[5], SInt16 id, std::vector<UInt8> data) {
    return ResourceEntry{FOUR_CHAR_CODE(type), id, std::nullopt, 0, std::move(data)};
}

// An item list and a dialog of the same ID that shows it.
inline std::vector<ResourceEntry> DialogWithItems(SInt16 id, const ItemList& items) {
    return {Resource("DITL", id, items.bytes()), Resource("DLOG", id, DialogTemplate(64, 640, id))};
}

} // namespace testsupport
