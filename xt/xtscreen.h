/* The screen group: the host's windows as a plug-in may need them. */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kXTGroupScreen = XT_FOURCC('x', 's', 'c', 'r') /* xtscreen_funchndl */ };

typedef struct XTScreenFuncs {
    uint32_t structSize;
    /* The host's main window into *window, 0 while the host shows none.
     * The window belongs to the host; a plug-in uses it as the owner of its
     * dialogs (and disables it while one is up) but never destroys it.
     * kXTParamErr for a null out-parameter. */
    int32_t (*getMainWindow)(XTWindowRef* window);
} XTScreenFuncs;

#ifdef __cplusplus
}
#endif
