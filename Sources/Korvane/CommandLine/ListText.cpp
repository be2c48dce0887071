#include "Korvane/CommandLine/ListText.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/WholeFile.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

SystemListClass::SystemListClass()
    : context_(reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)))) {}

SystemListClass::~SystemListClass() {
    if (context_) ReleaseTextClass release(&context_->tempText);
    DisposePtr(reinterpret_cast<Ptr>(context_));
}

OSErr SystemListClass::Read() {
    if (!context_) return memFullErr;
    OSErr err = SetJAFileLocations(context_);
    if (err == noErr) err = LookUpJAFolder(context_);
    if (err == noErr) err = FindNamedFile(&context_->jaFileSpec);
    if (err == fnfErr) return noErr; // no file yet: no accounts
    if (err == noErr)
        err = ReadWholeFile(&context_->jaFileSpec, &context_->tempText, &context_->tempTextLength,
                            memFullErr);
    return err;
}

int ReportSystemError(const char* what, OSErr err) {
    std::fprintf(stderr, "korvane: %s (error %d)\n", what, err);
    return kExitSystemError;
}
