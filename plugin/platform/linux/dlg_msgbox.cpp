// The message box: the window system's own, with the plug-in's rules
// around it (beep, host window disabled, focus given back selected). The
// window system lays out the box as the MSGBOX description does: the text
// above, growing with its lines, the buttons below it with the first as
// the default, a button without a title hidden. Using its box rather than
// building MSGBOX keeps every box visible to scripts and transcripts as a
// message box.
#include "plugin/dialogs/msgbox.h"
#include "plugin/platform/linux/dlg_linux.h"

int32_t showMessageBox(const char* title, const char* text, const char* const* buttons,
                       int32_t count) {
    ui::beep();
    ui::Handle focused = ui::focus();
    MainWindowLock lock = disableMainWindow();

    int result = 0;
    try {
        ui::MessageBoxOptions options;
        options.title = title ? title : "";
        options.text = text ? text : "";
        for (int32_t i = 0; i < count; ++i)
            options.buttons.push_back(buttons[i] ? buttons[i] : "");
        options.owner = ui::activeWindow();
        result = ui::messageBox(options);
    } catch (...) {
        result = 2;
    }

    restoreMainWindow(lock);
    if (ui::isWindow(focused)) {
        ui::setFocus(focused);
        ui::Kind k = ui::kind(focused);
        if (k == ui::Kind::Edit || k == ui::Kind::ComboBox) ui::setTextSelection(focused, 0, -1);
    }
    return result == 1 ? 1 : 2;
}
