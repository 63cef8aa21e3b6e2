/* Document group (documents are layouts) and project group. */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTDocFuncs {
    uint32_t structSize;
    /* Number of the front document, or -1 when no layout is open. The
     * value is written in every case. Returns 0. */
    int32_t (*getFrontDocNum)(int16_t* docNum);
    /* Document reference of a document number; kXTParamErr (and *docRef
     * -1) for a number that names no open document. */
    int32_t (*docNumToRef)(int16_t docNum, int32_t* docRef);
    /* View of a layout; NULL for an unknown reference. Owned by the host. */
    DocViewRef (*getDocView)(int32_t docRef);
    /* Absolute number of the page shown in a view; kXTParamErr for NULL. */
    int32_t (*getCurPage)(DocViewRef view, int16_t* page);
    /* Marks the project holding the layout as changed. */
    int32_t (*setDocChanged)(int32_t docRef);
} XTDocFuncs;

typedef struct XTProjectFuncs {
    uint32_t structSize;
    /* Project holding a layout, or -1 (always written). */
    int32_t (*getProjectOfDoc)(int32_t docRef, int32_t* projRef);
    /* Project of the front layout, or -1 (always written). */
    int32_t (*getCurProject)(int32_t* projRef);
    /* Fills two empty file-information objects for a project: one with the
     * project's file, the other with its folder. *secondHoldsFile tells
     * which holds the file. kXTFileNotFoundErr for a project that has no
     * file (never saved), kXTParamErr for an unknown project. */
    int32_t (*getProjectFiles)(int32_t projRef, XFileInfoRef first, XFileInfoRef second,
                               uint8_t* secondHoldsFile);
    /* Name of a layout / of a project's file, as a new string the caller
     * releases; kXTParamErr for an unknown reference (out set to NULL). */
    int32_t (*getLayoutName)(int32_t docRef, QXStringRef* name);
    int32_t (*getProjectName)(int32_t projRef, QXStringRef* name);
} XTProjectFuncs;

#ifdef __cplusplus
}
#endif
