// Where things are on this platform: standard folders of the local domain, the temporary folder,
// the bundle's identifier and localized names, the sandbox test, a file search in a folder, the
// conversion of POSIX paths into FSSpec records, and the open and save panels. Only plain types
// cross this interface.
//
// Folder and bundle functions that fill a caller's buffer do so only when the whole text with
// its terminator fits; otherwise they answer false and leave the buffer as it was. Functions
// that return text through a char** hand over a malloc'ed string (length + 2 bytes) that the
// caller frees.
#pragma once

#include "Platform/Files.h"
#include "Platform/MacTypes.h"

// Loads the object layer, except on 10.9.0 and 10.9.1. Answers whether it was loaded.
Boolean InitNSApp(void);

Boolean GetLocalCachesDirPath(char* buffer, unsigned long bufferSize);
Boolean GetPPDFolderPath(char* buffer, unsigned long bufferSize);
// The local domain's Preferences folder: where the Folder Manager finds it (/etc on Linux).
Boolean GetPreferencesFolderPathLocalDomain(char* buffer, unsigned long bufferSize);
// Where earlier versions kept it: the local library folder's "Preferences".
Boolean GetFormerPreferencesFolderPathLocalDomain(char* buffer, unsigned long bufferSize);
Boolean GetLocalApplicationSupportDirPath(char* buffer, unsigned long bufferSize);
Boolean GetTmpDirPath(char* buffer, unsigned long bufferSize);
Boolean GetBundleIdentifier(char* buffer, unsigned long bufferSize);

// Values of the main bundle's localized information dictionary.
Boolean GetCFBundleName(char** name);
Boolean GetLocalizedName(const char* key, char** value);

// True when the home folder the process sees differs from the one the password database records
// for its user; false when either is unknown.
Boolean IsSandboxed(void);

// How searchDirectorySub matches names; any other value matches like compareEqual.
enum compareMethod : int { compareEqual = 0, compareSuffix = 1, comparePrefix = 2 };

// Finds the first file (not folder) directly inside directory, in listing order, whose name
// matches; *foundPath receives its full path. A failed allocation sets *foundPath to null.
Boolean searchDirectorySub(const char* directory, const char* name, compareMethod method,
                           char** foundPath);

// Fills spec for an existing item, or for a missing file whose folder exists. paramErr for
// null arguments, fnfErr when the folder is missing or the name does not fit an FSSpec,
// memFullErr when the path cannot be taken apart.
OSErr PathToFSSpec(const char* path, FSSpec* spec);

// Runs the open panel modally, starting in directory (null: the home folder); true when the user
// confirmed. Whether confirmed or not, the folder shown last goes to *chosenDirectory and the
// file chosen to *chosenFile, each a malloc'ed copy (null when memory ran out) that the caller
// frees; an output the panel has nothing for, or a null pointer, is left alone.
Boolean MyOpenPanel(char* directory, char** chosenDirectory, char** chosenFile,
                    bool canChooseDirectories, bool canChooseFiles);

// Runs the save panel modally in its default folder, proposing fileName (may be null), and
// converts the path chosen into *spec; directory is not used. True only when the user confirmed
// and the path fits an FSSpec; after a cancel *spec is untouched.
Boolean MySavePanel(char* directory, char* fileName, FSSpec* spec);
