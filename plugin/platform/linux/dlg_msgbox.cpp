// The message box: the window system's own, with the plug-in's rules
// around it (beep, host window disabled, focus given back selected). The
// window system lays out the box as the MSGBOX description does: the text
// above, growing with its lines, the buttons below it with the first as
// the default, a button without a title hidden. Using its box rather than
// building MSGBOX keeps every box visible to scripts and transcripts as a
// message box.
#include "plugin/dialogs/msgbox.h"
#include "plugin/platform/linux/dlg_linux.h"

#include <string>

namespace {

// The message's static text in MSGBOX, and the height of one of its lines.
constexpr int32_t kMsgTextControl = 10;
constexpr int kMsgLineHeight = 16;

} // namespace

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

void layOutMessageWindow(PlxWindow window, const char* text, const char* const* buttons,
                         int32_t count) {
    ui::Handle box = uiHandle(window);
    ui::Handle message = ui::findControl(box, kMsgTextControl);
    if (!message) return;
    std::string shown = text ? text : "";
    ui::setText(message, shown);
    ui::setStyleFlags(message, ui::styleFlags(message) | ui::style::MultiLine);
    // The static is one line high; each further line of the wrapped text
    // makes it, and the box, taller by a line, and moves the buttons down.
    ui::Rect r = ui::rect(message);
    int extra = (static_cast<int>(ui::wrapText(shown, r.w).size()) - 1) * kMsgLineHeight;
    r.h += extra;
    ui::setRect(message, r);
    ui::Rect frame = ui::rect(box);
    frame.h += extra;
    ui::setRect(box, frame);
    for (ui::Handle pane : ui::children(box)) {
        ui::Rect whole = ui::rect(pane);
        whole.h += extra;
        ui::setRect(pane, whole);
    }
    for (int32_t id = 1; id <= 2; ++id) {
        ui::Handle button = ui::findControl(box, id);
        if (!button) continue;
        ui::Rect b = ui::rect(button);
        b.y += extra;
        ui::setRect(button, b);
        const char* title = id <= count && buttons ? buttons[id - 1] : nullptr;
        ui::setText(button, title ? title : "");
        ui::setVisible(button, title && title[0]);
    }
}
