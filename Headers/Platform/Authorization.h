// Authorization services: obtaining the administrator right and running command-line tools with
// it. A process running as root holds the right without being asked; any other process asks the
// person at the machine and has the answer checked by the system's privilege tool. Setting
// KORVANE_ASK_AS_ROOT=1 makes a root process ask too (its answer is then not checked), so that
// scripts and tests can grant or refuse.
#pragma once

#include "Platform/MacTypes.h"

#include <cstddef>
#include <cstdio>

typedef struct AuthorizationOpaqueRef* AuthorizationRef;
typedef const char* AuthorizationString;
typedef UInt32 AuthorizationFlags;

enum : AuthorizationFlags {
    kAuthorizationFlagDefaults = 0,
    kAuthorizationFlagInteractionAllowed = 1 << 0,
    kAuthorizationFlagExtendRights = 1 << 1,
    kAuthorizationFlagPartialRights = 1 << 2,
    kAuthorizationFlagDestroyRights = 1 << 3,
    kAuthorizationFlagPreAuthorize = 1 << 4,
};

struct AuthorizationItem {
    AuthorizationString name;
    size_t valueLength;
    void* value;
    UInt32 flags;
};

struct AuthorizationItemSet {
    UInt32 count;
    AuthorizationItem* items;
};
typedef AuthorizationItemSet AuthorizationRights;
typedef AuthorizationItemSet AuthorizationEnvironment;

// The one right this platform knows: running tools as the superuser.
#define kAuthorizationRightExecute "system.privilege.admin"

enum : OSStatus {
    errAuthorizationSuccess = 0,
    errAuthorizationInvalidSet = -60001,
    errAuthorizationInvalidRef = -60002,
    errAuthorizationInvalidPointer = -60004,
    errAuthorizationDenied = -60005,
    errAuthorizationCanceled = -60006,
    errAuthorizationInteractionNotAllowed = -60007,
    errAuthorizationInternal = -60008,
    errAuthorizationInvalidFlags = -60011,
    errAuthorizationToolExecuteFailure = -60031,
    errAuthorizationToolEnvironmentError = -60032,
};

// A new reference; with rights and kAuthorizationFlagExtendRights it also obtains them, as
// AuthorizationCopyRights does.
OSStatus AuthorizationCreate(const AuthorizationRights* rights,
                             const AuthorizationEnvironment* environment, AuthorizationFlags flags,
                             AuthorizationRef* authorization);

// Obtains the rights for the reference: a right it holds already is granted at once; otherwise,
// with kAuthorizationFlagExtendRights, the person is asked once (which needs
// kAuthorizationFlagInteractionAllowed). Cancelling gives errAuthorizationCanceled, credentials
// that do not check out errAuthorizationDenied. No copy of the granted rights is offered:
// authorizedRights must be null.
OSStatus AuthorizationCopyRights(AuthorizationRef authorization, const AuthorizationRights* rights,
                                 const AuthorizationEnvironment* environment,
                                 AuthorizationFlags flags, AuthorizationRights** authorizedRights);

// Starts the tool as the superuser with the null-terminated arguments, never through a shell,
// asking for the right first when the reference does not hold it. A tool path that does not
// exist here is looked up by its name in /usr/sbin, /usr/bin, /sbin and /bin. The tool's
// standard input and output are connected to *communicationsPipe, one stream for both ways.
// Closing it ends the program's side only: the tool is the program's child, which the caller
// reaps with wait() to learn how it ended. Without a pipe the call waits for the tool itself. A
// tool that cannot be started gives errAuthorizationToolExecuteFailure.
OSStatus AuthorizationExecuteWithPrivileges(AuthorizationRef authorization, const char* pathToTool,
                                            AuthorizationFlags options, char* const* arguments,
                                            FILE** communicationsPipe);

OSStatus AuthorizationFree(AuthorizationRef authorization, AuthorizationFlags flags);
