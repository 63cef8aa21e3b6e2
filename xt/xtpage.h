/* Page, master-page and spread groups. */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTPageFuncs {
    uint32_t structSize;
    /* Page count of a layout; 0 for an unknown reference. */
    int16_t (*numPages)(int32_t docRef);
    /* Absolute number of the first page of the front layout whose label is
     * the text. Writes *page only when one is found; kXTNotFoundErr
     * otherwise. */
    int32_t (*pageNumForLabel)(QXStringRef label, int16_t* page);
    /* Label of a page of the front layout in internal numbering: the master
     * pages come first (1..masters), then the layout's pages. Caller
     * releases *label; kXTParamErr (NULL) for a number out of range. */
    int32_t (*labelForPage)(int16_t internalPage, QXStringRef* label);
    /* Fills the page-number data of an absolute page of the view's layout.
     * kXTParamErr for a page out of range (record left alone). */
    int32_t (*getPageNumData)(DocViewRef view, int16_t page, int16_t flag, XTPageNumData* out);
} XTPageFuncs;

typedef struct XTMasterFuncs {
    uint32_t structSize;
    /* Number of master pages of a layout. */
    int16_t (*numMasterPages)(int32_t docRef);
} XTMasterFuncs;

typedef struct XTSpreadFuncs {
    uint32_t structSize;
    /* Pages of a spread as a memory handle of int16 absolute page numbers,
     * left to right; caller disposes. NULL for an unknown spread. */
    XTHandle (*pagesOfSpread)(int32_t docRef, int16_t spreadNum);
    /* Converts a rectangle from the page's coordinates into those of its
     * spread (the page's left edge moves by the width of the pages left of
     * it). */
    int32_t (*pageRectToSpread)(int32_t docRef, const XTPageNumData* page, fixedrect* rect);
    /* Number of spreads of a layout. */
    int16_t (*numSpreads)(int32_t docRef);
} XTSpreadFuncs;

#ifdef __cplusplus
}
#endif
