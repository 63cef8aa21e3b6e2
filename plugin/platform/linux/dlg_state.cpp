// Enabling, focus and list items of the toolkit's controls.
#include "plugin/platform/linux/dlg_linux.h"

void beep() { ui::beep(); }

void enableControl(PlxWindow control, bool enabled) {
    ui::setEnabled(uiHandle(control), enabled);
}

void focusControl(PlxWindow control, int32_t selectChars) {
    ui::Handle h = uiHandle(control);
    if (!ui::setFocus(h)) return;
    ui::setTextSelection(h, 0, selectChars > 0 ? selectChars : 0);
}

void clearControlItems(PlxWindow control) { ui::setItems(uiHandle(control), {}); }

void addControlItem(PlxWindow control, const char* text) {
    if (text) ui::addItem(uiHandle(control), text);
}
