/* Box group, text-box group and error group. */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTBoxFuncs {
    uint32_t structSize;
    /* The selected box of the front layout; NULL when none. */
    boxid (*getCurBox)(void);
    /* Layout that holds a box, or -1 (always written). */
    int32_t (*getBoxDocRef)(boxid box, int32_t* docRef);
    /* Bounding rectangle of a box in print space (xtoutput.h): its spread's
     * coordinates offset by one point on both axes. */
    int32_t (*getBoxBounds)(boxid box, fixedrect* bounds);
    /* Where slug data of a box / of a layout is kept; NULL for NULL or an
     * unknown reference. Owned by the host. */
    XTSlugHolderRef (*boxSlugHolder)(boxid box);
    XTSlugHolderRef (*layoutSlugHolder)(int32_t docRef);
    /* Stores a copy of the block's bytes under the tag, replacing what was
     * there. kXTParamErr for a NULL holder or block. */
    int32_t (*setSlugData)(XTSlugHolderRef holder, uint32_t tag, XTHandle data);
    /* Copies at most *length bytes stored under the tag into buffer and
     * sets *length to the number copied. kXTNotFoundErr (buffer and
     * *length left alone) when nothing is stored. */
    int32_t (*getSlugData)(XTSlugHolderRef holder, uint32_t tag, void* buffer, int32_t* length);
} XTBoxFuncs;

typedef struct XTTextBoxFuncs {
    uint32_t structSize;
    /* A box's second slug holder (the one of its text); NULL when the box
     * is NULL. Owned by the host. */
    XTSlugHolderRef (*textSlugHolder)(boxid box);
} XTTextBoxFuncs;

typedef struct XTErrorFuncs {
    uint32_t structSize;
    /* Shows the user the host's message for an error code. */
    void (*reportError)(int16_t code);
} XTErrorFuncs;

#ifdef __cplusplus
}
#endif
