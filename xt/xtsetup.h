/* The set-up record: how the host and a plug-in find each other.
 *
 * The host loads a plug-in module and calls its one exported function
 *     int32_t XTActivateCallback(XTSetupRec* setup);
 * The plug-in answers through the entries of the record: it passes the
 * compatibility check, hands over its activation routine (and, where it
 * reserves callback identifiers, its reservation routine), and later
 * binds function groups and registers callbacks.
 *
 * All entries are called on the host's user-interface thread. The record
 * stays valid and at the same address while the plug-in is loaded.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Versions and platform identification. */
enum {
    kXTInterfaceVersion = 0x42A20014,  /* given in the compatibility check */
    kXTBindingVersion = 201,           /* given to checkInterface ... */
    kXTBindingVersionBase = 0x42A20000, /* ... together with this base */
    kXTPlatformMac = 5,
    kXTPlatformWindows = 11,
    kXTPlatformLinux = 13,
    kXTFailure = 0x51000401,           /* entry or activation refused */
    kXTInterfaceMismatch = 0x5100040F  /* checkInterface: versions differ */
};

/* The platform code host and plug-in of one build exchange. */
#ifdef _WIN32
#define kXTPlatformThis kXTPlatformWindows
#elif defined(__APPLE__) || defined(PLX_PLATFORM_MAC)
#define kXTPlatformThis kXTPlatformMac
#else
#define kXTPlatformThis kXTPlatformLinux
#endif

/* Host callback codes. */
enum {
    kXTCBQuit = 4,
    kXTCBLanguage = 5,
    kXTCBAddMenus = 6,
    kXTCBUpdateMenus = 7,
    kXTCBSettingsCheck = 12,
    kXTCBPSComments = 145,
    kXTCBPSPage = 155,
    kXTCBAppPrefs = 279,
    kXTCBContextMenu = 318,
    kXTCBMenuCommand = 618,
    kXTCBJobInfo = 681,
    kXTCBOutputStyles = 728,
    kXTCBStylesPanelDone = 768,
    kXTFirstReservedCallbackId = 0x10000 /* identifiers handed out by reservation */
};

/* A callback receives the host's record for its code (xtcallbacks.h) and
 * returns 0. */
typedef int32_t (*XTCallbackProc)(void* cbRecord);

struct XTSetupRec;
typedef int32_t (*XTActivateProc)(struct XTSetupRec* setup);

/* Record given to the identifier-reservation routine. */
typedef struct XTReserveIdsRec {
    uint32_t structSize;
    /* Hands out `count` fresh callback identifiers, the first of them in
     * *firstId. Returns 0, or kXTParamErr for a count below 1 or a null
     * out-parameter. */
    int32_t (*reserveCallbackIds)(int32_t count, uint32_t* firstId);
} XTReserveIdsRec;
typedef int32_t (*XTReserveIdsProc)(XTReserveIdsRec* rec);

typedef struct XTSetupRec {
    uint32_t structSize; /* sizeof(XTSetupRec) as the host knows it */

    /* Entry check. Returns 1 when the host accepts a plug-in with this
     * identifier built for this platform and interface version, any other
     * value to refuse it. */
    uint8_t (*checkCompatibility)(uint32_t xtId, int32_t zero1, int32_t platform,
                                  uint32_t interfaceVersion, int32_t zero2);

    /* Second entry: the plug-in announces the registration priority it
     * will use (200). Returns 0. */
    int32_t (*announcePriority)(int32_t priority);

    /* Hands the host the activation routine, which the host calls once the
     * entry function has returned 0. Returns 0. */
    int32_t (*registerActivation)(XTActivateProc proc, int32_t flags, int32_t priority,
                                  int32_t zero);

    /* Hands the host the identifier-reservation routine, called before the
     * activation routine. Returns 0. */
    int32_t (*registerReserveIds)(XTReserveIdsProc proc, int32_t flags, int32_t priority,
                                  int32_t zero);

    /* Binding layer check, made before any group is bound: 0 when the host
     * serves this platform and binding version, else kXTInterfaceMismatch. */
    int32_t (*checkInterface)(int32_t platform, int32_t version, uint32_t versionBase);

    /* Binds the function group with the identifier (xtgroups.h) into
     * *handle, which then points to the group's table of functions for as
     * long as the plug-in is loaded. Returns 0, or a non-zero host code
     * when the group cannot be bound (the handle is then left alone). */
    int32_t (*bindFuncGroup)(uint32_t groupId, const void** handle, int32_t zero1, int32_t zero2);

    /* Registers a callback by code with flags and priority. Callbacks of a
     * code are called in ascending priority, equal priorities in order of
     * registration. Returns 0, or kXTParamErr for a null proc. */
    int32_t (*registerCallback)(int32_t cbCode, XTCallbackProc proc, int32_t flags,
                                int32_t priority, int32_t zero);

    /* Module look-ups. getModuleCallbackCode gives the callback code of an
     * optional host module (for instance "XPDF"); getModuleGroupId gives
     * the identifier of that module's function group, which bindFuncGroup
     * then binds. Both return 0, or kXTNotFoundErr when the module is not
     * installed (the out-parameter is then left alone). */
    int32_t (*getModuleCallbackCode)(uint32_t moduleId, uint32_t* cbCode);
    int32_t (*getModuleGroupId)(uint32_t cbCode, uint32_t* groupId);
} XTSetupRec;

/* The one function a plug-in module exports. */
typedef int32_t (*XTActivateCallbackProc)(XTSetupRec* setup);

#ifdef __cplusplus
}
#endif
