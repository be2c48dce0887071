#include "Resources/ResourceFileIO.h"

#include "Files/ForkTable.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/Resources.h"
#include "Resources/ResourceHandles.h"

namespace platform::resources {

OSErr ReadResourceFork(SInt16 refNum, ResourceFileImage* image) {
    SInt32 length = 0;
    if (OSErr err = GetEOF(refNum, &length)) return err;
    if (length == 0) return eofErr;
    std::vector<UInt8> bytes(static_cast<size_t>(length));
    OSErr err = SetFPos(refNum, fsFromStart, 0);
    if (err == noErr) err = FSRead(refNum, &length, bytes.data());
    return err ? err : ParseResourceFile(bytes, image);
}

OSErr WriteResourceFork(SInt16 refNum, const std::vector<UInt8>& bytes) {
    SInt32 count = SInt32(bytes.size());
    OSErr err = SetFPos(refNum, fsFromStart, 0);
    if (err == noErr) err = FSWrite(refNum, &count, bytes.data());
    if (err == noErr) err = SetEOF(refNum, count);
    if (err == noErr) err = files::Forks().Find(refNum)->fork->Flush();
    return err;
}

OSErr UpdateResourceFile(OpenResourceFile& file) {
    for (Resource& resource : file.resources)
        KeepChangedData(file, resource);
    if (!file.changed || !file.writable) return noErr;
    ResourceFileImage image{UInt16(file.fileAttributes & ~mapChanged), {}};
    for (const Resource& resource : file.resources)
        image.entries.push_back(resource.entry);
    std::vector<UInt8> bytes;
    if (!SerializeResourceFile(image, &bytes)) return addResFailed;
    OSErr err = WriteResourceFork(file.refNum, bytes);
    if (err == noErr) file.changed = false;
    return err;
}

} // namespace platform::resources
