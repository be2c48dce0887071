// The File Manager: FSSpec, FSRef and parameter-block calls on Linux files. Finder information
// lives in the extended attribute "user.korvane.FinderInfo" of the file itself; resource forks,
// and Finder information where the file system takes no attributes, in an AppleDouble sidecar
// "._NAME" beside the file.
#pragma once

#include "Platform/MacTypes.h"

struct FSSpec {
    SInt16 vRefNum;
    SInt32 parID;
    Str63 name;
};
typedef FSSpec* FSSpecPtr;

// A reference to an existing file or folder: an index into the process's node table.
// All zero bytes mean no reference.
struct FSRef {
    UInt8 hidden[80];
};

struct FInfo {
    OSType fdType;
    OSType fdCreator;
    UInt16 fdFlags;
    Point fdLocation;
    SInt16 fdFldr;
};

struct FXInfo {
    SInt16 fdIconID;
    SInt16 fdReserved[3];
    SInt8 fdScript;
    SInt8 fdXFlags;
    SInt16 fdComment;
    SInt32 fdPutAway;
};

struct DInfo {
    Rect frRect;
    UInt16 frFlags;
    Point frLocation;
    SInt16 frView;
};

struct DXInfo {
    Point frScroll;
    SInt32 frOpenChain;
    SInt8 frScript;
    SInt8 frXFlags;
    SInt16 frComment;
    SInt32 frPutAway;
};

// What the classic file dialogs report: whether a file was chosen, which, and its type, Finder
// flags and script.
struct StandardFileReply {
    Boolean sfGood;
    Boolean sfReplacing;
    OSType sfType;
    FSSpec sfFile;
    ScriptCode sfScript;
    SInt16 sfFlags;
    Boolean sfIsFolder;
    Boolean sfIsVolume;
};

struct HFSUniStr255 {
    UInt16 length;
    UniChar unicode[255];
};

// Folder IDs of the node table.
constexpr SInt32 fsRtParID = 1;
constexpr SInt32 fsRtDirID = 2;

// Open permissions.
constexpr SInt8 fsCurPerm = 0;
constexpr SInt8 fsRdPerm = 1;
constexpr SInt8 fsWrPerm = 2;
constexpr SInt8 fsRdWrPerm = 3;
constexpr SInt8 fsRdWrShPerm = 4;

// Positioning modes of SetFPos and the fork calls.
constexpr UInt16 fsAtMark = 0;
constexpr UInt16 fsFromStart = 1;
constexpr UInt16 fsFromLEOF = 2;
constexpr UInt16 fsFromMark = 3;

// ioFlAttrib bits.
constexpr SInt8 kioFlAttribLockedMask = 0x01;
constexpr SInt8 kioFlAttribResOpenMask = 0x04;
constexpr SInt8 kioFlAttribDataOpenMask = 0x08;
constexpr SInt8 kioFlAttribDirMask = 0x10;
constexpr SInt8 kioFlAttribFileOpenMask = (SInt8)0x80;

// ioFCBFlags bits.
constexpr UInt16 kioFCBWriteMask = 0x0100;
constexpr UInt16 kioFCBResourceMask = 0x0200;

// Finder flags.
constexpr UInt16 kIsStationery = 0x0800;
constexpr UInt16 kIsInvisible = 0x4000;

typedef void* IOCompletionUPP;

#define HFILEPARAM_HEADER                                                                          \
    void* qLink;                                                                                   \
    SInt16 qType;                                                                                  \
    SInt16 ioTrap;                                                                                 \
    Ptr ioCmdAddr;                                                                                 \
    IOCompletionUPP ioCompletion;                                                                  \
    OSErr ioResult;                                                                                \
    StringPtr ioNamePtr;                                                                           \
    SInt16 ioVRefNum;

struct HFileInfo {
    HFILEPARAM_HEADER
    SInt16 ioFRefNum;
    SInt8 ioFVersNum;
    SInt8 filler1;
    SInt16 ioFDirIndex;
    SInt8 ioFlAttrib;
    SInt8 ioACUser;
    FInfo ioFlFndrInfo;
    SInt32 ioDirID;
    UInt16 ioFlStBlk;
    SInt32 ioFlLgLen;
    SInt32 ioFlPyLen;
    UInt16 ioFlRStBlk;
    SInt32 ioFlRLgLen;
    SInt32 ioFlRPyLen;
    UInt32 ioFlCrDat;
    UInt32 ioFlMdDat;
    UInt32 ioFlBkDat;
    FXInfo ioFlXFndrInfo;
    SInt32 ioFlParID;
    SInt32 ioFlClpSiz;
};

struct DirInfo {
    HFILEPARAM_HEADER
    SInt16 ioFRefNum;
    SInt8 ioFVersNum;
    SInt8 filler1;
    SInt16 ioFDirIndex;
    SInt8 ioFlAttrib;
    SInt8 ioACUser;
    DInfo ioDrUsrWds;
    SInt32 ioDrDirID;
    UInt16 ioDrNmFls;
    SInt16 filler3[9];
    UInt32 ioDrCrDat;
    UInt32 ioDrMdDat;
    UInt32 ioDrBkDat;
    DXInfo ioDrFndrInfo;
    SInt32 ioDrParID;
};

union CInfoPBRec {
    HFileInfo hFileInfo;
    DirInfo dirInfo;
};
typedef CInfoPBRec* CInfoPBPtr;

struct IOParam {
    HFILEPARAM_HEADER
    SInt16 ioRefNum;
    SInt8 ioVersNum;
    SInt8 ioPermssn;
    Ptr ioMisc;
    Ptr ioBuffer;
    SInt32 ioReqCount;
    SInt32 ioActCount;
    SInt16 ioPosMode;
    SInt32 ioPosOffset;
};

struct HFileParam {
    HFILEPARAM_HEADER
    SInt16 ioFRefNum;
    SInt8 ioFVersNum;
    SInt8 filler1;
    SInt16 ioFDirIndex;
    SInt8 ioFlAttrib;
    SInt8 ioFlVersNum;
    FInfo ioFlFndrInfo;
    SInt32 ioDirID;
    UInt16 ioFlStBlk;
    SInt32 ioFlLgLen;
    SInt32 ioFlPyLen;
    UInt16 ioFlRStBlk;
    SInt32 ioFlRLgLen;
    SInt32 ioFlRPyLen;
    UInt32 ioFlCrDat;
    UInt32 ioFlMdDat;
};

struct HIOParam {
    HFILEPARAM_HEADER
    SInt16 ioRefNum;
    SInt8 ioVersNum;
    SInt8 ioPermssn;
    Ptr ioMisc;
    Ptr ioBuffer;
    SInt32 ioReqCount;
    SInt32 ioActCount;
    SInt16 ioPosMode;
    SInt32 ioPosOffset;
    SInt32 filler;
    SInt32 ioDirID; // not part of the original record; where HOpen's folder goes
};

union HParamBlockRec {
    HIOParam ioParam;
    HFileParam fileParam;
};
typedef HParamBlockRec* HParmBlkPtr;

union ParamBlockRec {
    IOParam ioParam;
};
typedef ParamBlockRec* ParmBlkPtr;

struct FCBPBRec {
    HFILEPARAM_HEADER
    SInt16 ioRefNum;
    SInt16 filler;
    SInt16 ioFCBIndx;
    SInt16 filler1;
    UInt32 ioFCBFlNm;
    UInt16 ioFCBFlags;
    UInt16 ioFCBStBlk;
    SInt32 ioFCBEOF;
    SInt32 ioFCBPLen;
    SInt32 ioFCBCrPs;
    SInt16 ioFCBVRefNum;
    SInt32 ioFCBClpSiz;
    SInt32 ioFCBParID;
};
typedef FCBPBRec* FCBPBPtr;

#undef HFILEPARAM_HEADER

// Catalog information of the FSRef calls.
typedef UInt32 FSCatalogInfoBitmap;
constexpr FSCatalogInfoBitmap kFSCatInfoNone = 0;
constexpr FSCatalogInfoBitmap kFSCatInfoTextEncoding = 0x00000001;
constexpr FSCatalogInfoBitmap kFSCatInfoNodeFlags = 0x00000002;
constexpr FSCatalogInfoBitmap kFSCatInfoVolume = 0x00000004;
constexpr FSCatalogInfoBitmap kFSCatInfoParentDirID = 0x00000008;
constexpr FSCatalogInfoBitmap kFSCatInfoNodeID = 0x00000010;
constexpr FSCatalogInfoBitmap kFSCatInfoDataSizes = 0x00004000;
constexpr FSCatalogInfoBitmap kFSCatInfoRsrcSizes = 0x00008000;
constexpr FSCatalogInfoBitmap kFSCatInfoFinderInfo = 0x00000800;
constexpr FSCatalogInfoBitmap kFSCatInfoFinderXInfo = 0x00001000;

constexpr UInt16 kFSNodeLockedMask = 0x0001;
constexpr UInt16 kFSNodeIsDirectoryMask = 0x0010;

struct FSCatalogInfo {
    UInt16 nodeFlags;
    SInt16 volume;
    UInt32 parentDirID;
    UInt32 nodeID;
    UInt8 finderInfo[16];
    UInt8 extFinderInfo[16];
    UInt64 dataLogicalSize;
    UInt64 dataPhysicalSize;
    UInt64 rsrcLogicalSize;
    UInt64 rsrcPhysicalSize;
    UInt32 textEncodingHint;
};

// FSSpec calls.
OSErr FSMakeFSSpec(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName, FSSpec* spec);
OSErr FSpCreate(const FSSpec* spec, OSType creator, OSType fileType, ScriptCode scriptTag);
OSErr FSpDelete(const FSSpec* spec);
OSErr FSpOpenDF(const FSSpec* spec, SInt8 permission, SInt16* refNum);
OSErr FSpRstFLock(const FSSpec* spec);
// Swaps the contents of two closed files on one volume, data fork, attributes and sidecar alike;
// the names stay where they are. The source's data (the new version) reaches the disk before the
// exchange, so after a crash the destination's name holds the old version or the new one, whole;
// the destination's data is not flushed again. fnfErr when either is missing, notAFileErr for a
// folder, fBsyErr while either is open, diffVolErr across volumes.
OSErr FSpExchangeFiles(const FSSpec* source, const FSSpec* dest);

// For a writer that cannot use these calls, such as a tool run as the superuser: the name of the
// sidecar of a file named name, and the sidecar's bytes for a file of this creator and type (at
// most kFinderInfoSidecarSize of them). bdNamErr when the sidecar's name would not fit.
enum { kFinderInfoSidecarSize = 128 };
OSErr PlatformFinderInfoSidecar(ConstStr255Param name, OSType creator, OSType fileType,
                                Str255 sidecarName, UInt8* bytes, SInt32* length);

// Open forks.
OSErr FSRead(SInt16 refNum, SInt32* count, void* buffPtr);
OSErr FSWrite(SInt16 refNum, SInt32* count, const void* buffPtr);
OSErr FSClose(SInt16 refNum);
OSErr SetFPos(SInt16 refNum, SInt16 posMode, SInt32 posOff);
OSErr GetFPos(SInt16 refNum, SInt32* filePos);
OSErr GetEOF(SInt16 refNum, SInt32* logEOF);
OSErr SetEOF(SInt16 refNum, SInt32 logEOF);

// Parameter-block calls (synchronous).
OSErr PBGetCatInfoSync(CInfoPBPtr paramBlock);
OSErr PBHGetFInfoSync(HParmBlkPtr paramBlock);
OSErr PBHSetFInfoSync(HParmBlkPtr paramBlock);
OSErr PBHCreateSync(HParmBlkPtr paramBlock);
OSErr PBHOpenSync(HParmBlkPtr paramBlock);
OSErr PBCloseSync(ParmBlkPtr paramBlock);
OSErr PBGetFCBInfoSync(FCBPBPtr paramBlock);

// FSRef calls.
OSErr FSPathMakeRef(const UInt8* path, FSRef* ref, Boolean* isDirectory);
OSErr FSpMakeFSRef(const FSSpec* source, FSRef* newRef);
OSErr FSRefMakePath(const FSRef* ref, UInt8* path, UInt32 maxPathSize);
OSErr FSGetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo, FSCatalogInfo* catalogInfo,
                       HFSUniStr255* outName, FSSpec* fsSpec, FSRef* parentRef);
// A locked file's Finder information cannot change (fLckdErr), unless the same call unlocks it.
OSErr FSSetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo,
                       const FSCatalogInfo* catalogInfo);
OSErr FSMakeFSRefUnicode(const FSRef* parentRef, UniCharCount nameLength, const UniChar* name,
                         TextEncoding textEncodingHint, FSRef* newRef);
OSErr FSCreateFileUnicode(const FSRef* parentRef, UniCharCount nameLength, const UniChar* name,
                          FSCatalogInfoBitmap whichInfo, const FSCatalogInfo* catalogInfo,
                          FSRef* newRef, FSSpec* newSpec);
OSErr FSDeleteObject(const FSRef* ref);
OSErr FSGetDataForkName(HFSUniStr255* dataForkName);
OSErr FSOpenFork(const FSRef* ref, UniCharCount forkNameLength, const UniChar* forkName,
                 SInt8 permissions, SInt16* forkRefNum);
OSErr FSWriteFork(SInt16 forkRefNum, UInt16 positionMode, SInt64 positionOffset,
                  ByteCount requestCount, const void* buffer, ByteCount* actualCount);
// FSpExchangeFiles for file references; each reference keeps naming its place.
OSErr FSExchangeObjects(const FSRef* ref, const FSRef* destRef);
