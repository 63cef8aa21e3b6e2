/* Output styles, their XML data, and the print machinery.
 *
 * An output style has a name, a medium ("XEPS" EPS, "XPDF" PDF; "XNON"
 * means none) and XML trees kept under four-character keys: the host's own
 * option trees ("XPDF": PageOptions/@Spreads; "XPXT": EPS/General/@Spread)
 * and any plug-in's private tree under the plug-in's identifier.
 *
 * Print space. While the host writes a page, its user space is the page's
 * spread in points, y downwards, with its origin one point above and left
 * of the spread's top-left corner: a page rectangle converted into spread
 * coordinates (spread group) and offset by +1 point on both axes describes
 * the page exactly there. Box bounds (box group) are given in this space.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kXTMediumEPS = XT_FOURCC('X', 'E', 'P', 'S'),
    kXTMediumPDF = XT_FOURCC('X', 'P', 'D', 'F'),
    kXTMediumNone = XT_FOURCC('X', 'N', 'O', 'N'),
    kXTStyleKeyPDF = XT_FOURCC('X', 'P', 'D', 'F'),  /* the host's PDF options */
    kXTStyleKeyEPS = XT_FOURCC('X', 'P', 'X', 'T'),  /* the host's EPS options */
    kXTGroupOutputStyle = XT_FOURCC('x', 'o', 's', 't'),
    kXTGroupXas = XT_FOURCC('x', 'x', 'a', 's'),
    kXTGroupXMLNode = XT_FOURCC('x', 'x', 'm', 'l'),
    kXTGroupPrint = XT_FOURCC('x', 'p', 'r', 't'),
    kXTGroupDocMeasure = XT_FOURCC('x', 'd', 'm', 's'),
    kXTGroupShape = XT_FOURCC('x', 's', 'h', 'p'),
    kXTGroupFixedRect = XT_FOURCC('x', 'f', 'r', 'c'),
    kXTGroupUtility = XT_FOURCC('x', 'u', 't', 'l')
};

typedef struct XTOutputStyleFuncs {
    uint32_t structSize;
    /* The current output-style context (the host's list of styles and the
     * settings of the job being set up). Returns 0. */
    int32_t (*getCurrentContext)(XTOutputStyleContextRef* context);
    /* The style of exactly that name (compared by the host), or NULL and
     * kXTNotFoundErr. */
    int32_t (*findStyleByName)(XTOutputStyleContextRef context, QXStringRef name,
                               OutputStyleRef* style);
    /* Applies a style's settings to the context (and so to the job being
     * set up). kXTParamErr for an unknown style. */
    int32_t (*applyStyle)(XTOutputStyleContextRef context, OutputStyleRef style);
    /* The style's medium into *medium; left unchanged when the host has
     * none for it. */
    int32_t (*getOutputMedium)(OutputStyleRef style, uint32_t* medium);
    /* The style's name as a new string the caller releases. */
    int32_t (*getStyleName)(OutputStyleRef style, QXStringRef* name);
    /* A copy of the tree the style keeps under the key, or NULL and
     * kXTNotFoundErr when it keeps none for a key it does not know. For
     * its own keys and for the identifier of any loaded plug-in the host
     * answers with a tree (empty when nothing is stored yet). The caller
     * disposes of the tree through the XML-node group. */
    int32_t (*getStyleData)(OutputStyleRef style, uint32_t key, XTXMLTreeRef* tree);
    /* Stores a copy of the tree under the key and saves the host's style
     * settings. */
    int32_t (*setStyleData)(OutputStyleRef style, uint32_t key, XTXMLTreeRef tree);
    /* The host's default style for a medium (EPS or PDF), or NULL. */
    int32_t (*getDefaultStyle)(uint32_t medium, OutputStyleRef* style);
} XTOutputStyleFuncs;

/* Going through the host's list of output styles, in the host's order
 * (the two default styles first). */
typedef struct XTXasFuncs {
    uint32_t structSize;
    int32_t (*countStyles)(XTOutputStyleContextRef context);
    /* The style at a 0-based index, or NULL and kXTParamErr. */
    int32_t (*styleAt)(XTOutputStyleContextRef context, int32_t index, OutputStyleRef* style);
} XTXasFuncs;

typedef struct XTXMLNodeFuncs {
    uint32_t structSize;
    /* The tree's root node (owned by the tree); NULL for NULL. */
    XTXMLNodeRef (*rootNode)(XTXMLTreeRef tree);
    /* The first child element of that name, or NULL and kXTNotFoundErr. */
    int32_t (*findChild)(XTXMLNodeRef node, QXStringRef name, XTXMLNodeRef* child);
    /* Appends a new child element of that name (owned by the tree). */
    int32_t (*createChild)(XTXMLNodeRef node, QXStringRef name, XTXMLNodeRef* child);
    /* An attribute's value as a new string the caller releases; NULL and
     * kXTNotFoundErr when the node has no such attribute. */
    int32_t (*getAttribute)(XTXMLNodeRef node, QXStringRef name, QXStringRef* value);
    /* Sets (adds or replaces) an attribute. */
    int32_t (*setAttribute)(XTXMLNodeRef node, QXStringRef name, QXStringRef value);
    /* Releases a tree and all its nodes; NULL is ignored. */
    void (*disposeTree)(XTXMLTreeRef tree);
} XTXMLNodeFuncs;

/* The 468-byte print-setup record of the job being written. */
typedef struct XTPrintSetupRec {
    uint8_t flags;          /* bit 0: the output carries process colours */
    uint8_t reserved[467];
} XTPrintSetupRec;

enum { kXTPrintFlagProcessColors = 0x01 };

typedef struct XTPrintFuncs {
    uint32_t structSize;
    /* Outputs one job of a layout with a medium and output flags: the host
     * calls the job-info callback (681), in which plug-ins set the job's
     * page range, output area, style and file, then writes the PostScript
     * stream, calling 145 among the header comments and 155 once each
     * page's coordinate system is set, and turns the stream into the
     * medium's file. Returns 0, a host error code (already shown to the
     * user), or kXTCanceled when the host's own output was cancelled. */
    int32_t (*outputLayout)(int32_t docRef, uint32_t medium, int32_t flags);
    /* During job info: the pages to output, absolute numbers first..last
     * (the two leading values are 0). */
    int32_t (*setJobPageRange)(int16_t zero1, int16_t zero2, int16_t first, int16_t last);
    /* During job info: the area to output (print space); the host keeps a
     * copy of the shape. `value` 1 replaces the area of the page. */
    int32_t (*setJobOutputArea)(XTShapeRef shape, int32_t value);
    /* During job info: the file the job writes; the host keeps a copy of
     * the path. */
    int32_t (*setJobOutputFile)(XFileInfoRef file);
    /* During a job: fills the print-setup record (size bytes, at most
     * sizeof(XTPrintSetupRec)). */
    int32_t (*getPrintSetup)(XTPrintSetupRec* record, int32_t size);
} XTPrintFuncs;

typedef struct XTDocMeasureFuncs {
    uint32_t structSize;
    int32_t (*getPageWidth)(int32_t docRef, Fixed* width);
    int32_t (*getPageHeight)(int32_t docRef, Fixed* height);
} XTDocMeasureFuncs;

typedef struct XTShapeFuncs {
    uint32_t structSize;
    /* A new shape covering the rectangle; caller disposes. */
    int32_t (*shapeFromRect)(const fixedrect* rect, XTShapeRef* shape);
    void (*disposeShape)(XTShapeRef shape);
} XTShapeFuncs;

typedef struct XTFixedRectFuncs {
    uint32_t structSize;
    /* Moves a rectangle by dh horizontally and dv vertically. */
    void (*offsetRect)(fixedrect* rect, Fixed dh, Fixed dv);
} XTFixedRectFuncs;

typedef struct XTUtilityFuncs {
    uint32_t structSize;
    /* Writes `length` bytes of text into the PostScript stream being
     * written; kXTParamErr when no stream is open. */
    int32_t (*psWrite)(const char* text, int32_t length);
} XTUtilityFuncs;

#ifdef __cplusplus
}
static_assert(sizeof(XTPrintSetupRec) == 468, "print-setup record is 468 bytes");
#endif
