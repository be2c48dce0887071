// A scoped view of one resource file: fetches, adds, writes, removes and detaches resources in
// that file alone, leaving the current resource file as it found it after every operation.
// It keeps every handle it hands out and releases them when it ends, then closes the file if
// it opened it. Operations record their outcome in lastError.
#pragma once

#include "MorrowCommon_2/UnknownNumberOfStructureClass.h"
#include "Platform/Files.h"

struct ResEntryRec {
    OSType resType;
    SInt16 resID;
    Handle resHandle; // may be null: a resource found missing stays missing for the object
};

class MyOpenResFileClass {
  public:
    MyOpenResFileClass();
    ~MyOpenResFileClass();
    MyOpenResFileClass(const MyOpenResFileClass&) = delete;
    MyOpenResFileClass& operator=(const MyOpenResFileClass&) = delete;

    // Opens the file's resource fork for reading and writing; it is closed at the end.
    void SetResFile(const FSSpec* spec);
    // Adopts a resource file that is open already; it stays open at the end.
    void SetResFile(SInt16 fileRefNum);
    // Saves the current resource file in savedRefNum and makes this object's file current.
    void SaveAndSetRefNum();

    // 1-based positions in the list of handed-out resources; 0 when there is none.
    SInt32 SearchByTypeAndID(OSType type, SInt16 id) const;
    SInt32 SearchByHandle(Handle handle) const;

    // The resource from this file alone, or null; asked of the file once per type and ID.
    Handle GetTheResource(OSType type, SInt16 id);
    void AddTheResource(Handle handle, OSType type, SInt16 id, ConstStr255Param name);
    // Marks the resource changed and writes it; -192 when this object did not hand it out.
    void SaveTheResource(Handle handle);
    void SaveTheResource(OSType type, SInt16 id);
    // Removes the resource from the file; the handle becomes the caller's.
    void RemoveTheResource(Handle handle);
    // Leaves the handle to the caller, who must dispose of it.
    void DetachTheResource(OSType type, SInt16 id);
    void DetachTheResource(Handle handle);

    UnknownNumberOfStructureClass* entryList;
    SInt16 refNum;
    SInt16 savedRefNum;
    OSErr lastError;
    Boolean closeOnDestroy;
    Boolean hasFile;

  private:
    // Makes the object's file current for its lifetime and restores the saved one on leaving.
    class FileBracket {
      public:
        explicit FileBracket(MyOpenResFileClass& owner);
        ~FileBracket();
        FileBracket(const FileBracket&) = delete;
        FileBracket& operator=(const FileBracket&) = delete;

      private:
        MyOpenResFileClass& owner_;
    };

    ResEntryRec* Entry(SInt32 n) const;
    OSErr AppendEntry(OSType type, SInt16 id, Handle handle);
    // True when there is a file to work on; otherwise lastError tells why not.
    Boolean HasOpenFile();
    // Calls call on the handle of entry n with the file current, dropping the entry from the
    // list when asked; -192 when there is no entry n.
    void ApplyToNth(SInt32 n, void (*call)(Handle), Boolean dropEntry);
};
