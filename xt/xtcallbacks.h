/* Callback records: what the host passes to each callback code.
 *
 * Every record starts with the same 8-byte header. The byte offsets of
 * the fields after it are part of the interface and pinned below.
 * Records are owned by the host and valid only during the call.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTCBHeader {
    int32_t cbCode;   /* the code the record was sent for */
    int32_t reserved; /* 0 */
} XTCBHeader;

/* 4 quit, 12 settings check, 7 update menus: the header alone. */
typedef struct XTBasicCBRec {
    XTCBHeader header;
} XTBasicCBRec;

/* 5 language: the host's language code after the header. */
typedef struct XTLanguageRec {
    XTCBHeader header;
    uint16_t language; /* byte 8 */
} XTLanguageRec;

/* About record: the plug-in sets `shown` to 1 when it showed its box. */
typedef struct XTAboutRec {
    XTCBHeader header;
    uint8_t shown; /* byte 8 */
} XTAboutRec;

/* 6 add menus and 318 context menu: the host menu to append to. The
 * menu group turns it into an XTMenuRef (xtmenu.h: menuFromRecord). */
typedef struct XTMenuRec {
    XTCBHeader header;
    void* menu; /* byte 8: the host's menu */
} XTMenuRec;

/* 618 menu command: the command number the user chose. */
typedef struct XTMenuCommandRec {
    XTCBHeader header;
    int16_t command; /* byte 8 */
} XTMenuCommandRec;

/* 279 application preferences: the container that takes panels
 * (xtpanels.h), valid during the call. */
typedef struct XTAppPrefsRec {
    XTCBHeader header;
    XTPanelContainerRef container; /* byte 8 */
} XTAppPrefsRec;

/* 728 output styles: the editor asks for panels for one style; the
 * container (xtpanels.h) is valid during the call. */
typedef struct XTOutputStylesRec {
    XTCBHeader header;
    void* editor;                  /* byte 8: the host's editor, for telling editors apart */
    OutputStyleRef style;          /* byte 16 */
    XTPanelContainerRef container; /* byte 24 */
} XTOutputStylesRec;

/* 768 the output-style editor ends: value 2 (kXTStylesEditorSaved)
 * means the style was saved, any other value that it was left as it was. */
enum { kXTStylesEditorSaved = 2, kXTStylesEditorDiscarded = 0 };
typedef struct XTStylesPanelDoneRec {
    XTCBHeader header;
    void* editor;         /* byte 8 */
    OutputStyleRef style; /* byte 16 */
    int32_t reserved;     /* byte 24 */
    int32_t value;        /* byte 28 */
} XTStylesPanelDoneRec;

/* Panel messages sent to a panel handler registered under a reserved
 * callback identifier; xtpanels.h tells when each comes. */
enum {
    kXTPanelInit = 0,                   /* fill the controls */
    kXTPanelNotify = 2,                 /* a notification; see `state` */
    kXTPanelSave = 0x08000001,          /* store the controls' values */
    kXTPanelTemplateRequest = (int32_t)0x80000000, /* describe the panel */
    kXTPanelDeclareControls = (int32_t)0x80000002  /* prepare the controls */
};
typedef struct XTPanelMsgRec {
    XTCBHeader header;
    int32_t message;  /* byte 8 */
    int32_t state;    /* byte 12: for kXTPanelNotify, the notification's state */
    void* param;      /* byte 16: message-specific (template request: XTPanelTemplate*) */
    XTWindowRef panel; /* byte 24: the panel's container window */
    int32_t result;   /* byte 32: set to 1 when the message was handled */
    int32_t reserved; /* byte 36 */
} XTPanelMsgRec;

/* Written by a panel handler at `param` for kXTPanelTemplateRequest. */
typedef struct XTPanelTemplate {
    void* module;        /* the module that holds the template: its handle on Windows,
                            its load address elsewhere (inside it either way) */
    int32_t templateId;  /* 25052 output-style panel, 25053 preferences panel */
    int32_t reserved;
} XTPanelTemplate;

/* 681 job info: sent when the host sets up one output job. */
typedef struct XTPrintJobInfoRec {
    XTCBHeader header;
    int32_t docRef;   /* byte 8: layout being output */
    uint32_t medium;  /* byte 12: output medium code */
    int32_t flags;    /* byte 16: output flags of the request */
    int32_t reserved; /* byte 20 */
} XTPrintJobInfoRec;

/* 145 PostScript comments: called among the header comments. */
typedef struct XTPSCommentsRec {
    XTCBHeader header;
    int32_t selector; /* byte 8: 1 while the document header comments are written */
    int32_t reserved; /* byte 12 */
} XTPSCommentsRec;

/* 155 page PostScript: called once the page's coordinate system is set. */
typedef struct XTPSPageRec {
    XTCBHeader header;
    int16_t page;     /* byte 8: absolute page number being written */
    int16_t reserved; /* byte 10 */
} XTPSPageRec;

#ifdef __cplusplus
}
static_assert(sizeof(XTCBHeader) == 8, "callback header is 8 bytes");
static_assert(offsetof(XTLanguageRec, language) == 8, "language after the header");
static_assert(offsetof(XTAboutRec, shown) == 8, "about flag after the header");
static_assert(offsetof(XTMenuRec, menu) == 8, "menu at byte 8");
static_assert(offsetof(XTMenuCommandRec, command) == 8, "command number at byte 8");
static_assert(offsetof(XTAppPrefsRec, container) == 8, "preferences container at byte 8");
static_assert(offsetof(XTOutputStylesRec, style) == 16, "style reference at byte 16");
static_assert(offsetof(XTOutputStylesRec, container) == 24, "style container at byte 24");
static_assert(offsetof(XTStylesPanelDoneRec, value) == 28, "editor result at byte 28");
static_assert(offsetof(XTPanelMsgRec, message) == 8, "panel message at byte 8");
static_assert(offsetof(XTPanelMsgRec, param) == 16, "panel pointer at byte 16");
static_assert(offsetof(XTPanelMsgRec, panel) == 24, "panel window at byte 24");
static_assert(offsetof(XTPanelMsgRec, result) == 32, "panel result at byte 32");
static_assert(offsetof(XTPSCommentsRec, selector) == 8, "comments selector at byte 8");
#endif
