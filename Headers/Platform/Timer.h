// The Time Manager. A task is queued (InsTime), started for a time (PrimeTime: milliseconds when
// positive, microseconds when negative) and taken out (RmvTime). While it runs, kTMTaskActive
// is set in qType; when the time has passed the platform clears the bit, wakes whoever waits on
// it (std::atomic_ref<SInt16>::wait) and calls tmAddr on its timer thread. On the headless
// display's virtual clock, a waiting task moves the clock on to its time.
#pragma once

#include "Platform/MacTypes.h"

struct QElem;
typedef QElem* QElemPtr;
struct QElem {
    QElemPtr qLink;
    SInt16 qType;
    SInt16 qData[1];
};

struct TMTask;
typedef TMTask* TMTaskPtr;
typedef void (*TimerProcPtr)(TMTaskPtr tmTaskPtr);
typedef TimerProcPtr TimerUPP;

struct TMTask {
    QElemPtr qLink;
    SInt16 qType;
    TimerUPP tmAddr;
    SInt32 tmCount; // after RmvTime: the time that was left, in the unit PrimeTime was given
    SInt32 tmWakeUp;
    SInt32 tmReserved;
};

constexpr SInt16 kTMTaskActive = SInt16(1u << 15);
constexpr OSErr qErr = -1; // the task is not in the queue

OSErr InsTime(QElemPtr tmTaskPtr);
OSErr PrimeTime(QElemPtr tmTaskPtr, SInt32 count);
// Returns once the task's routine is not running (unless called from that routine).
OSErr RmvTime(QElemPtr tmTaskPtr);
