/* Function-group identifiers.
 *
 * A plug-in binds a group by its identifier through
 * XTSetupRec.bindFuncGroup; the handle it receives points to the group's
 * table of functions (one header per group). The string groups are named
 * by plain numbers, the other groups by four-character codes.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
    /* Groups named by numeric identifier. */
    kXTGroupAccessorString = 0x00020003u,
    kXTGroupMutableString = 0x00020002u,

    /* Groups whose handles carry the xt prefix. */
    kXTGroupDoc = XT_FOURCC('x', 'd', 'o', 'c'),
    kXTGroupProject = XT_FOURCC('x', 'p', 'r', 'j'),
    kXTGroupFile = XT_FOURCC('x', 'f', 'i', 'l'),
    kXTGroupPage = XT_FOURCC('x', 'p', 'a', 'g'),
    kXTGroupMaster = XT_FOURCC('x', 'm', 's', 't'),
    kXTGroupMemory = XT_FOURCC('x', 'm', 'e', 'm'),
    kXTGroupSpread = XT_FOURCC('x', 's', 'p', 'r'),
    kXTGroupBox = XT_FOURCC('x', 'b', 'o', 'x'),
    kXTGroupTextBox = XT_FOURCC('x', 't', 'b', 'x'),
    kXTGroupError = XT_FOURCC('x', 'e', 'r', 'r')
};

#ifdef __cplusplus
}
#endif
