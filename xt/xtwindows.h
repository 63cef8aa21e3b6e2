/* Window request: a debugging aid through which a host asks a plug-in to
 * build one of its own windows and hand it over without running it, so the
 * host can show or draw it (the command line's `plexmoor window`).
 *
 * The plug-in builds the window exactly as it does before running it as a
 * dialog (the same description, the same builder, centred), titles it and
 * sets its controls as the window is when it opens, but starts no modal
 * loop. The window lives in
 * the process's window system; from the moment the callback returns it
 * belongs to the host, which destroys it there when done.
 *
 * A plug-in registers this code like any other callback. Every plug-in
 * registered for it is called; only the one whose identifier is `xtId`
 * answers, the others leave the record alone.
 */
#pragma once

#include "xt/xtcallbacks.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kXTCBWindowRequest = 0x7E01, /* outside the codes of the host proper */
    kXTWindowBuilt = 0,          /* result: `window` holds the window */
    kXTWindowUnknown = -1,       /* result: the plug-in has no window of that name */
    kXTWindowNotAnswered = -2    /* set by the host before the call */
};

typedef struct XTWindowRequestRec {
    XTCBHeader header;
    uint32_t xtId;    /* byte 8: identifier of the plug-in asked */
    int32_t result;   /* byte 12: out, kXTWindowBuilt or kXTWindowUnknown */
    const char* name; /* byte 16: the window's name (UTF-8), e.g. "Prefs" */
    uint32_t window;  /* byte 24: out, the top-level window (a window-system handle) */
    int32_t reserved; /* byte 28 */
} XTWindowRequestRec;

#ifdef __cplusplus
}
static_assert(offsetof(XTWindowRequestRec, xtId) == 8, "plug-in identifier at byte 8");
static_assert(offsetof(XTWindowRequestRec, name) == 16, "window name at byte 16");
static_assert(offsetof(XTWindowRequestRec, window) == 24, "window at byte 24");
#endif
