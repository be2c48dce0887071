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

class Bytes {
  public:
    Bytes& Big16(int value) {
        bytes.push_back(UInt8(UInt16(value) >> 8));
        bytes.push_back(UInt8(value));
        return *this;
    }
    Bytes& Byte(int value) {
        bytes.push_back(UInt8(value));
        return *this;
    }
    Bytes& Box(SInt16 left, SInt16 top, SInt16 width, SInt16 height) {
        return Big16(top).Big16(left).Big16(top + height).Big16(left + width);
    }
    Bytes& Pascal(const std::string& text) {
        Byte(int(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& Even() { return bytes.size() % 2 ? Byte(0) : *this; }

    std::vector<UInt8> bytes;
};

// Items side by side on one row.
class ItemList {
  public:
    ItemList& Text(UInt8 kind, const std::string& text) {
        Header(kind).Pascal(text).Even();
        return *this;
    }
    ItemList& Control(SInt16 controlID) {
        Header(ctrlItem + resCtrl).Byte(2).Big16(controlID);
        return *this;
    }
    std::vector<UInt8> bytes() const {
        Bytes all;
        all.Big16(count_ - 1);
        all.bytes.insert(all.bytes.end(), items_.bytes.begin(), items_.bytes.end());
        return all.bytes;
    }

  private:
    // The placeholder, the box and the type.
    Bytes& Header(UInt8 kind) {
        ++count_;
        return items_.Big16(0).Big16(0).Box(SInt16(96 * count_), 16, 88, 16).Byte(kind);
    }

    int count_ = 0;
    Bytes items_;
};

inline std::vector<UInt8> ControlTemplate(SInt16 procID) {
    Bytes cntl;
    cntl.Box(0, 0, 96, 16).Big16(0).Byte(1).Byte(0); // bounds, value, visible
    cntl.Big16(1).Big16(0).Big16(procID);            // maximum, minimum, procID
    cntl.Big16(0).Big16(0).Pascal("");               // refCon, title
    return cntl.bytes;
}

inline std::vector<UInt8> DialogTemplate(SInt16 left, SInt16 width, SInt16 itemsID) {
    Bytes dlog;
    dlog.Box(left, 64, width, 128).Big16(4);                // bounds, procID
    dlog.Byte(1).Byte(0).Byte(0).Byte(0).Big16(0).Big16(0); // visible, close box, refCon
    dlog.Big16(itemsID).Pascal("Test").Even().Big16(0);     // items, title, placement
    return dlog.bytes;
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
        SInt16 fork = 0;
        SInt32 count = SInt32(bytes.size());
        FSpOpenRF(&spec, fsRdPerm, &fork);
        FSRead(fork, &count, bytes.data());
        FSClose(fork);
        bytes.resize(size_t(count));
        return bytes;
    }
};

inline ResourceEntry Resource(const char (&type)[5], SInt16 id, std::vector<UInt8> data) {
    return ResourceEntry{FOUR_CHAR_CODE(type), id, std::nullopt, 0, std::move(data)};
}

} // namespace testsupport
