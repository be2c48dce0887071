// A file's Finder information: type, creator, Finder flags and catalog attributes. The setters
// read the information first and write every field they are not asked to change back as it was;
// a read error is returned before anything is written.
#pragma once

#include "Platform/Files.h"

OSErr MySetFileTypeAndCreator(const FSSpec* spec, OSType type, OSType creator);
OSErr MySetFileTypeAndCreator(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, OSType type,
                              OSType creator);

// The outputs are meaningful only when the result is 0.
OSErr MyGetFileTypeAndCreator(const FSSpec* spec, OSType* type, OSType* creator);
OSErr MyGetFileTypeAndCreator(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, OSType* type,
                              OSType* creator);

// attributes receives the catalog attribute byte sign-extended; meaningful only when the result
// is 0.
OSErr MyGetFinderFlagFileAttributes(const FSSpec* spec, UInt16* finderFlags, SInt16* attributes);
OSErr MyGetFinderFlagFileAttributes(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                    UInt16* finderFlags, SInt16* attributes);

// Only the low byte of attributes is written.
OSErr MySetFinderFlagFileAttributes(const FSSpec* spec, UInt16 finderFlags, SInt16 attributes);
OSErr MySetFinderFlagFileAttributes(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                    UInt16 finderFlags, SInt16 attributes);
