/* The PDF module's function group: present only when the host has its
 * PDF module installed; found through XTSetupRec.getModuleCallbackCode
 * ("XPDF") and getModuleGroupId. */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTPdfFuncs {
    uint32_t structSize;
    /* Reads a module setting (0 is the one a plug-in toggles around its
     * own exports) into *value. kXTParamErr for an unknown setting. */
    int32_t (*getSetting)(int32_t which, uint8_t* value);
    /* Sets a module setting. kXTParamErr for an unknown setting. */
    int32_t (*setSetting)(int32_t which, uint8_t value);
} XTPdfFuncs;

#ifdef __cplusplus
}
#endif
