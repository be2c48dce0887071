#include "Korvane/Shell/LocationReport.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/Shell/GetStringFromPlist.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/TextUtils.h"

namespace {

void PlistValue(CFStringRef key, char* value) {
    Str255 pascal;
    getPStringFromPlist(pascal, key);
    p2cstrcpy(value, pascal);
}

} // namespace

OSErr ReportLocations(std::FILE* out) {
    char userPreferences[1024];
    char prefsName[256];
    SInt16 vRefNum = 0;
    SInt32 dirID = 0;
    OSErr err = FindPreferencesFolder(&vRefNum, &dirID);
    if (err == noErr) err = FolderPath(vRefNum, dirID, userPreferences, sizeof userPreferences);
    if (err != noErr) return err;
    PlistValue(CFSTR("Preferences File Name"), prefsName);
    if (!prefsName[0]) return resNotFound;
    GlueRec ja = {};
    err = SetJAFileLocations(&ja);
    if (err != noErr) return err;

    std::fprintf(out, "User Preferences folder:      %s\n", userPreferences);
    std::fprintf(out, "Application preferences file: %s/%s\n", userPreferences, prefsName);
    std::fprintf(out, "Working copy:                 %s/QZJA.temp\n", userPreferences);
    if (!ja.jaMoveFolderPath[0]) {
        std::fprintf(out, "Job-accounting file:          %s\n", ja.jaFilePath);
        return noErr;
    }
    std::fprintf(out, "Job-accounting file:          %s/%.*s\n", ja.jaMoveFolderPath,
                 int(ja.jaFileSpec.name[0]), ja.jaFileSpec.name + 1);
    std::fprintf(out, "Still read from:              %s\n", ja.jaFilePath);
    return noErr;
}
