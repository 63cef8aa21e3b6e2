// What the builder needs from the platform layer to make controls. Each
// platform implements these (plugin/platform/linux on the headless window
// system).
#pragma once

#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/window_desc.h"

// Makes the native control for `control` in `container` at `rect` (already
// adjusted and moved by the group origin): its kind and styles from the
// type and the flags, its id, title, items and tabs. A popup selects the
// item equal to its title, else its first item. Returns 0 when the control
// cannot be made; the builder then goes on without it.
PlxWindow createNativeControl(PlxWindow container, const DescControl& control, const DescRect& rect,
                              int32_t listHeight);

// Gives a window the client size w x h (grown to the window size its
// styles need) at x, y; a child window (a panel's container) keeps its
// place and only takes the size.
void setWindowFrame(PlxWindow window, const DescRect& client);

// The container an end marker returns to: the parent of `container`, but
// never above the top-level window the container lives in.
PlxWindow containerParent(PlxWindow container);

// The toolkit's two fonts: "MS Shell Dlg" of height 12, normal (weight
// 400) and bold (700), created by registerDialogClasses.
enum DlgFont { kDlgFontNormal = 0, kDlgFontBold = 1 };
void setDialogFont(PlxWindow control, DlgFont font);

// Registers the window classes "Separator", "UserPane" and "RadioGroup" and
// creates the two fonts. Safe to call again.
void registerDialogClasses();
