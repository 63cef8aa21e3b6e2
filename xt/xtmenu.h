/* Menus: the menu group and the extended menu group.
 *
 * The host's menus are its own; a plug-in reaches them through an
 * XTMenuRef. It gets one for a menu the host hands it in a callback record
 * (6 add menus, 318 context menu: XTMenuRec.menu) through menuFromRecord,
 * and one for a menu of its own through the extended group's createMenu.
 *
 * Items carry a 16-bit command number handed out by the host
 * (newCommandNumber). When the user chooses an item of a plug-in, the host
 * sends code 618 with that number (XTMenuCommandRec); before it shows a
 * menu it sends code 7, in which plug-ins enable and disable their
 * commands. Command numbers are never 0 and never reused while the host
 * runs; the host's own commands have numbers of their own.
 *
 * Ownership: every menu belongs to the host, including the ones a plug-in
 * creates; the host frees a plug-in's menu with the menu it is attached
 * to, or when it quits. Texts are host strings the host copies; the
 * caller keeps and releases its own. All functions return 0 or a host
 * code and may be called from any callback on the user-interface thread.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kXTGroupMenu = XT_FOURCC('x', 'm', 'n', 'u'), /* xtmenu_funchndl */
    kXTGroupXMenu = XT_FOURCC('x', 'x', 'm', 'n') /* xtxmenu_funchndl */
};

typedef struct XTMenuFuncs {
    uint32_t structSize;
    /* A fresh command number into *command (never 0). kXTParamErr for a
     * null out-parameter, kXTMemFullErr when the numbers are used up. */
    int32_t (*newCommandNumber)(int16_t* command);
    /* The menu a callback record carries (XTMenuRec.menu), as a handle,
     * valid while the menu lives. *menu is NULL and kXTParamErr for
     * anything that is not one of the host's menus. */
    int32_t (*menuFromRecord)(void* recordMenu, XTMenuRef* menu);
    /* Appends an item with the text and the command number at the end of
     * the menu, enabled. kXTParamErr for an unknown menu, a NULL text or
     * command 0. */
    int32_t (*appendItem)(XTMenuRef menu, QXStringRef text, int16_t command);
    /* Appends a separator line at the end of the menu. */
    int32_t (*appendSeparator)(XTMenuRef menu);
    /* Enables (1) or disables (0) every item with the command number, in
     * whatever menu it is. kXTNotFoundErr when no item carries it. */
    int32_t (*enableCommand)(int16_t command, uint8_t enabled);
    /* Makes `submenu` the submenu of the menu's item with the command
     * number; the host owns it from then on as part of that menu.
     * kXTParamErr for an unknown menu or submenu, a submenu that is
     * attached already or that is the menu itself; kXTNotFoundErr when the
     * menu has no item with the number. */
    int32_t (*attachSubmenu)(XTMenuRef menu, int16_t command, XTMenuRef submenu);
} XTMenuFuncs;

typedef struct XTXMenuFuncs {
    uint32_t structSize;
    /* A new, empty menu with the title, into *menu. kXTParamErr for a NULL
     * title or out-parameter. */
    int32_t (*createMenu)(QXStringRef title, XTMenuRef* menu);
} XTXMenuFuncs;

#ifdef __cplusplus
}
#endif
