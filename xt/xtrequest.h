/* Host requests: a plug-in asks the host by number to do one of the
 * things the host's own user interface does. A request runs to its end
 * before the call returns (a window it opens is modal and closed again),
 * on the user-interface thread, from inside any callback or dialog of the
 * plug-in.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kXTGroupHostRequest = XT_FOURCC('x', 'h', 'r', 'q') /* xthostrequest_funchndl */ };

/* Request numbers. */
enum {
    /* Opens the host's output-style editor on the current list of styles
     * and returns when the user closes it; whatever the user saved there is
     * stored by then. `param` is unused (NULL). */
    kXTRequestEditOutputStyles = 227,
    /* A dialog of the plug-in is set up and about to be shown; `param`
     * points to its window (XTWindowRef). The host may adjust it as it
     * adjusts its own dialogs. Returns 0. */
    kXTRequestPluginDialog = 228
};

typedef struct XTHostRequestFuncs {
    uint32_t structSize;
    /* Carries out the request. Returns 0 once it is done, kXTParamErr for
     * an unknown number or when the request cannot run now (the window it
     * would open is open already). */
    int32_t (*sendHostRequest)(int32_t request, void* param);
} XTHostRequestFuncs;

#ifdef __cplusplus
}
#endif
