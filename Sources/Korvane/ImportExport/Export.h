// The export: the working copy's bytes written to a text file named in a save dialog.
#pragma once

#include "Korvane/Shell/GlueRec.h"
#include "Platform/Navigation.h"

// How the export file is marked.
constexpr OSType kExportFileType = FOUR_CHAR_CODE("TEXT");
constexpr OSType kExportFileCreator = FOUR_CHAR_CODE("ttxt");

// The longest file name, in UTF-16 units.
constexpr UniCharCount kMaxExportNameLength = 255;

// Starts an export (Command-E over the list dialog). The result is not shown.
OSErr ExportFunc(GlueRec* context);

// Creates and runs the save dialog: a sheet on parent when there is one, else application-modal.
OSStatus SaveFileDialog(GlueRec* context, WindowRef parent, CFStringRef defaultName,
                        OSType fileType, OSType creator, NavDialogRef* outDialog);

// The save dialog's callback, installed once at start-up as gNavEventProc.
void MyEventProc(NavEventCallbackMessage selector, NavCBRecPtr params, void* userData);

void HandleNavUserAction(NavDialogRef dialog, NavUserAction action, void* userData,
                         GlueRec* context);

// The reply's file name, cut to its first kMaxExportNameLength units; name holds that many.
UniCharCount ReplyFileName(const NavReplyRecord* reply, UniChar* name);

// Fetches the reply and makes the target: a new file, or an existing one that stays as it is
// until its new content is complete (the reply then says replacing). On failure the reply is
// already disposed of.
OSErr BeginSave(NavDialogRef dialog, NavReplyRecord* reply, FSRef* outFile, GlueRec* context);

// Gives exportFileRef the text of tempText, written beside it and exchanged, so that a failed
// write leaves the file as it was. Releases tempText.
OSErr TextSave(GlueRec* context);

OSErr UpdateFileInfo(const FSRef* file, Boolean stationery);

// Completes or undoes the save and disposes of the reply; a failed new file is removed.
void CompleteSave(NavReplyRecord* reply, const FSRef* file, Boolean succeeded);
