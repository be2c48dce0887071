#include "Korvane/Shell/LocationReport.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/Shell/GetStringFromPlist.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/TextUtils.h"
#include "Utility/Utility.h"

namespace {

void PlistValue(CFStringRef key, char* value) {
    Str255 pascal;
    getPStringFromPlist(pascal, key);
    p2cstrcpy(value, pascal);
}

} // namespace

OSErr ReportLocations(std::FILE* out) {
    char userPreferences[1024], localPreferences[1024];
    char prefsName[256], oemName[256], jaName[256];
    SInt16 vRefNum = 0;
    SInt32 dirID = 0;
    OSErr err = FindPreferencesFolder(&vRefNum, &dirID);
    if (err == noErr) err = FolderPath(vRefNum, dirID, userPreferences, sizeof userPreferences);
    if (err != noErr) return err;
    if (!GetPreferencesFolderPathLocalDomain(localPreferences, sizeof localPreferences))
        return fnfErr;
    PlistValue(CFSTR("Preferences File Name"), prefsName);
    PlistValue(CFSTR("OEM Name"), oemName);
    PlistValue(CFSTR("Japrefs File Name"), jaName);
    if (!prefsName[0] || !oemName[0] || !jaName[0]) return resNotFound;

    std::fprintf(out, "User Preferences folder:      %s\n", userPreferences);
    std::fprintf(out, "Application preferences file: %s/%s\n", userPreferences, prefsName);
    std::fprintf(out, "Working copy:                 %s/QZJA.temp\n", userPreferences);
    std::fprintf(out, "Job-accounting file:          %s/%s/%s\n", localPreferences, oemName,
                 jaName);
    return noErr;
}
