/* Basic types of the host interface shared by the host and its plug-ins.
 *
 * Everything here is plain C: fixed-width integers, opaque handles and
 * structs. Nothing in this interface throws, and no enum appears in a
 * struct field (constants are anonymous enums, fields are int32_t).
 */
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Signed 16.16 fixed-point length in points. */
typedef int32_t Fixed;
enum { kFixedOne = 0x10000 };

/* Four Fixed values in the order top, left, bottom, right. */
typedef struct fixedrect {
    Fixed top;
    Fixed left;
    Fixed bottom;
    Fixed right;
} fixedrect;

/* Four-character codes are 32-bit values whose bytes in memory, lowest
 * address first, spell the code: "XEPS" is 0x53504558 on little-endian
 * machines. XT_FOURCC builds such a constant from four characters. */
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
#define XT_FOURCC(a, b, c, d)                                                                      \
    ((uint32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) |                 \
                ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))
#else
#define XT_FOURCC(a, b, c, d)                                                                      \
    ((uint32_t)((uint32_t)(uint8_t)(a) | ((uint32_t)(uint8_t)(b) << 8) |                          \
                ((uint32_t)(uint8_t)(c) << 16) | ((uint32_t)(uint8_t)(d) << 24)))
#endif

/* The code spelled by the first four bytes of text (missing bytes count as
 * blanks, so "EPS" gives "EPS "). */
static inline uint32_t xtFourCharCode(const char* text) {
    char bytes[4] = {' ', ' ', ' ', ' '};
    for (int i = 0; i < 4 && text && text[i]; ++i) bytes[i] = text[i];
    uint32_t code;
    memcpy(&code, bytes, 4);
    return code;
}

/* Writes the four letters of a code and a terminator into out[5]. */
static inline void xtFourCharText(uint32_t code, char out[5]) {
    memcpy(out, &code, 4);
    out[4] = 0;
}

/* Opaque host handles. The host owns what they point to unless a
 * function's contract says the caller must release it. */
typedef struct QXString_* QXStringRef;               /* immutable host string */
typedef struct QXString_* QXMutableStringRef;        /* mutable host string (same object kind) */
typedef struct XTHandleRec_* XTHandle;               /* host memory block */
typedef struct XTBox_* boxid;                        /* page item; NULL = no box */
typedef struct XTDocView_* DocViewRef;               /* view of a layout */
typedef struct XTOutputStyle_* OutputStyleRef;       /* output style */
typedef struct XTFileInfo_* XFileInfoRef;            /* file information object */
typedef struct XTSlugHolder_* XTSlugHolderRef;       /* where slug data is kept */
typedef struct XTXMLTree_* XTXMLTreeRef;             /* XML tree (node container) */
typedef struct XTXMLNode_* XTXMLNodeRef;             /* XML node inside a tree */
typedef struct XTShape_* XTShapeRef;                 /* output area shape */
typedef struct XTOutputStyleContext_* XTOutputStyleContextRef;
typedef struct XTMenu_* XTMenuRef;                   /* menu of the menu groups (xtmenu.h) */
typedef struct XTPanelContainer_* XTPanelContainerRef; /* where panels go (xtpanels.h) */

/* A window of the platform's window system, by its handle number; 0 is no
 * window. Never dereferenced: the value is the window system's own handle,
 * valid for as long as that window lives there. */
typedef uintptr_t XTWindowRef;

/* Result codes shared by both sides. */
enum {
    kXTNoErr = 0,
    kXTParamErr = -50,       /* a bad argument */
    kXTFileNotFoundErr = -43,
    kXTIOErr = -36,
    kXTMemFullErr = -108,    /* no memory block could be had */
    kXTNotFoundErr = -1728,  /* no such object (style, child, …) */
    kXTCanceled = 0x7FFF     /* the host's own output was cancelled */
};

/* Page-number data: a 10-byte host record describing one page. The
 * plug-in reads only the spread number and hands the record back. */
typedef struct XTPageNumData {
    int16_t spreadNum;   /* number of the spread the page lies on (1-based) */
    int16_t pageInSpread; /* 0-based position of the page in its spread */
    int16_t absPage;     /* absolute page number */
    int16_t reserved[2];
} XTPageNumData;

#ifdef __cplusplus
}
static_assert(sizeof(XTPageNumData) == 10, "page-number data is a 10-byte record");
static_assert(sizeof(fixedrect) == 16, "fixedrect is four Fixed values");
static_assert(XT_FOURCC('X', 'E', 'P', 'S') == 0x53504558u, "four-character codes in memory order");
#endif
