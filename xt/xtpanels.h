/* Plug-in panels in the host's windows: the tab-control group, the
 * button-control group and how the host talks to a panel.
 *
 * The host's preferences window (code 279) and its output-style editor
 * (code 728) hand plug-ins a container (XTAppPrefsRec.container,
 * XTOutputStylesRec.container). During that callback a plug-in adds a
 * panel to it with the tab-control group, naming a callback identifier it
 * reserved (XTReserveIdsRec) and registered its panel handler under. The
 * host shows each panel as a tab of the window and sends its handler
 * XTPanelMsgRec records (xtcallbacks.h), in this order:
 *
 *  1. kXTPanelTemplateRequest: `panel` is an empty container window the
 *     host made for the panel, `param` points to an XTPanelTemplate. The
 *     handler names the template it builds the panel from and sets
 *     `result` to 1; a panel whose handler leaves `result` 0 is dropped.
 *  2. kXTPanelDeclareControls, `state` 1, `param` pointing to the same
 *     XTPanelTemplate: the handler builds the template's controls into
 *     `panel`. The container keeps the place the host gave it and takes the
 *     size the template asks for; its text, set by the handler, is the
 *     panel's title in the window's tabs. The handler then declares the
 *     controls the host is to know through the button-control group and
 *     sets `result` to 1. The host never looks into the template itself.
 *  3. kXTPanelNotify, `state` kXTPanelStateOpening: the window is about to
 *     open.
 *  4. kXTPanelInit: fill the controls.
 *  While the window is open: kXTPanelNotify, `state` kXTPanelStateControlHit,
 *     `param` pointing to the int32_t id of a declared control the user
 *     just worked.
 *  5. kXTPanelSave when the user confirms the window (OK, Save), before
 *     the host stores its own settings. Nothing is sent when the user
 *     cancels.
 * The container is destroyed with the window; no message tells of it.
 * A handler sets `result` to 1 for a message it handled and leaves it 0
 * otherwise; it returns 0.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kXTGroupTabControl = XT_FOURCC('x', 'd', 't', 'b'),   /* xtxdctltab_funchndl */
    kXTGroupButtonControl = XT_FOURCC('x', 'd', 'b', 't') /* xtxdctlbtn_funchndl */
};

/* The `state` of kXTPanelNotify. */
enum {
    kXTPanelStateControlHit = 1, /* `param`: the int32_t id of the control */
    kXTPanelStateOpening = 2     /* the window holding the panel is about to open */
};

/* The value given with addPanel. */
enum {
    kXTPanelAfterHost = 0, /* the window opens on the host's own tab */
    kXTPanelShowFirst = 1  /* the window opens on this panel */
};

/* Kinds of controls a panel declares. */
enum {
    kXTControlStaticText = 1,
    kXTControlPushButton = 2,
    kXTControlCheckBox = 3,
    kXTControlRadioButton = 4,
    kXTControlEditText = 5,
    kXTControlPopup = 6 /* a drop-down list */
};

typedef struct XTTabControlFuncs {
    uint32_t structSize;
    /* Adds a panel served by the handler registered under `callbackId` to
     * the container, with a kXTPanel… value saying whether the window opens
     * on it. Only during the callback that handed over the container.
     * kXTParamErr for a container that is not (or no longer) being filled
     * and for an identifier no callback is registered under. */
    int32_t (*addPanel)(XTPanelContainerRef container, uint32_t callbackId, int32_t value);
} XTTabControlFuncs;

typedef struct XTButtonControlFuncs {
    uint32_t structSize;
    /* Declares control `id` of the panel as a kXTControl… kind. Only while
     * the panel's handler answers kXTPanelDeclareControls; declaring a
     * control again replaces its kind. kXTParamErr for another window or
     * time, or an unknown kind; kXTNotFoundErr when the panel holds no
     * control with the id; kXTParamErr when that control is of another
     * kind. */
    int32_t (*declareControl)(XTWindowRef panel, int32_t id, int32_t kind);
} XTButtonControlFuncs;

#ifdef __cplusplus
}
#endif
