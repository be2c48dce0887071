// Result codes of the platform managers, with the numbers the original platform used.
#pragma once

#include "Platform/MacTypes.h"

constexpr OSErr paramErr = -50;
constexpr OSErr openErr = -23;
constexpr OSErr dskFulErr = -34;
constexpr OSErr nsvErr = -35;
constexpr OSErr ioErr = -36;
constexpr OSErr bdNamErr = -37;
constexpr OSErr fnOpnErr = -38;
constexpr OSErr eofErr = -39;
constexpr OSErr posErr = -40;
constexpr OSErr tmfoErr = -42;
constexpr OSErr fnfErr = -43;
constexpr OSErr wPrErr = -44;
constexpr OSErr fLckdErr = -45;
constexpr OSErr vLckdErr = -46;
constexpr OSErr fBsyErr = -47;
constexpr OSErr dupFNErr = -48;
constexpr OSErr opWrErr = -49;
constexpr OSErr rfNumErr = -51;
constexpr OSErr permErr = -54;
constexpr OSErr wrPermErr = -61;
constexpr OSErr memFullErr = -108;
constexpr OSErr nilHandleErr = -109;
constexpr OSErr memWZErr = -111;
constexpr OSErr dirNFErr = -120;
constexpr OSErr userCanceledErr = -128;
constexpr OSErr resNotFound = -192;
constexpr OSErr resFNotFound = -193;
constexpr OSErr addResFailed = -194;
constexpr OSErr rmvResFailed = -196;
constexpr OSErr resAttrErr = -198;
constexpr OSErr mapReadErr = -199;
constexpr OSErr afpAccessDenied = -5000;
constexpr OSErr notAFileErr = -1302;
constexpr OSErr fsDataTooBigErr = -1310;
constexpr OSErr diffVolErr = -1303;
constexpr OSErr gestaltUndefSelectorErr = -5551;
constexpr OSErr kCollateMissingUnicodeTableErr = -7102;
constexpr OSErr kCollateBufferTooSmall = -7106;
constexpr OSErr eventNotHandledErr = -9874;

// A status of the system's own: kPOSIXErrorBase + errno, for calls that report the system's
// reason in words (strerror of the difference).
constexpr OSStatus kPOSIXErrorBase = 100000;
