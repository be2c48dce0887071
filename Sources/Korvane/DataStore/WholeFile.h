// Whole-file reads and safe whole-file replacement, as the settings files need them.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "Platform/Files.h"
#include "Platform/MacMemory.h"

// How the settings files are created.
constexpr OSType kSettingsFileType = FOUR_CHAR_CODE("TEXT");
constexpr OSType kSettingsFileCreator = FOUR_CHAR_CODE("????");
constexpr ScriptCode kSettingsFileScript = -1;

// The new content's name beside the file it replaces, while it is written.
constexpr unsigned char kReplacementName[] = {8, 'Q', 'Z', 'J', 'A', '.', 'n', 'e', 'w'};

// Releases one of the context's whole-text buffers when the operation ends, on every path.
class ReleaseTextClass {
  public:
    explicit ReleaseTextClass(Ptr* buffer) : buffer_(buffer) {}
    ~ReleaseTextClass() {
        if (*buffer_) DisposePtr(*buffer_);
        *buffer_ = nullptr;
    }
    ReleaseTextClass(const ReleaseTextClass&) = delete;
    ReleaseTextClass& operator=(const ReleaseTextClass&) = delete;

  private:
    Ptr* buffer_;
};

// The most text a file of the list's can hold: kJAMaxEntries lines of three 255-byte fields.
constexpr SInt32 kJAMaxTextBytes = kJAMaxEntries * (3 * 255 + 4);

// Reads the whole data fork into a new buffer at *text, its length into *length (0 when the
// length cannot be had). noMemoryErr when the buffer cannot be allocated; fsDataTooBigErr for a
// file longer than kJAMaxTextBytes, which no list could hold. The caller releases the buffer.
OSErr ReadWholeFile(const FSSpec* spec, Ptr* text, SInt32* length, OSErr noMemoryErr);

// Gives an existing file exactly this content. The text is written to a new file beside it,
// which then exchanges places with it; on any failure the file keeps its previous content.
OSErr ReplaceFileContents(const FSSpec* spec, const void* text, SInt32 length);
