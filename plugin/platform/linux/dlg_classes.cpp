// The toolkit's own window classes and its two fonts.
#include "plugin/dialogs/native_controls.h"
#include "plugin/platform/linux/dlg_linux.h"

#include <cstdio>

namespace {

constexpr std::uint32_t kSeparatorGrey = 0x808080;

struct FontRecord {
    const char* face;
    int height;
    int weight;
};

const FontRecord kFonts[2] = {{"MS Shell Dlg", 12, 400}, {"MS Shell Dlg", 12, 700}};
bool sFontsCreated = false;

// A 1-pixel line from the top-left corner: across when wider than tall,
// else down.
std::intptr_t separatorProc(ui::Handle self, const ui::Message& msg, void*) {
    if (msg.msg == ui::Msg::Paint && msg.canvas) {
        ui::Rect r = ui::rect(self);
        if (r.w > r.h)
            msg.canvas->line(0, 0, r.w, 0, kSeparatorGrey);
        else
            msg.canvas->line(0, 0, 0, r.h, kSeparatorGrey);
        return 1;
    }
    return ui::defaultProc(self, msg);
}

// A pane draws nothing of its own; its children's notifications travel on
// up to the dialog by the standard behaviour, so controls inside panes and
// tabs work as if they sat on the dialog itself.
std::intptr_t userPaneProc(ui::Handle self, const ui::Message& msg, void*) {
    if (msg.msg == ui::Msg::Paint) return 1;
    return ui::defaultProc(self, msg);
}

bool isOn(ui::Handle button) {
    return ui::kind(button) == ui::Kind::RadioButton && ui::value(button) != 0;
}

// Turns the n-th child (1-based) on and every other child off.
void selectChild(ui::Handle group, std::intptr_t n) {
    std::intptr_t position = 0;
    for (ui::Handle child : ui::children(group))
        ui::setValue(child, ++position == n ? 1 : 0);
}

std::intptr_t radioGroupProc(ui::Handle self, const ui::Message& msg, void*) {
    switch (msg.msg) {
    case ui::Msg::Command:
        // A click on one of its buttons is the group's own choice: only that
        // button stays on, and the dialog hears of the group, by its id.
        if (msg.source && ui::parent(msg.source) == self &&
            ui::kind(msg.source) == ui::Kind::RadioButton && msg.notify == ui::Notify::Clicked) {
            std::intptr_t position = 0;
            for (ui::Handle child : ui::children(self)) {
                ++position;
                if (child == msg.source) selectChild(self, position);
            }
            ui::notifyParent(self, ui::Notify::Clicked);
            return 1;
        }
        break;
    case ui::Msg::GetValue: {
        std::intptr_t position = 0;
        for (ui::Handle child : ui::children(self)) {
            ++position;
            if (isOn(child)) return position;
        }
        return 0;
    }
    case ui::Msg::SetValue:
        selectChild(self, msg.value);
        return 1;
    case ui::Msg::Paint:
        return 1;
    default:
        break;
    }
    return ui::defaultProc(self, msg);
}

} // namespace

void registerDialogClasses() {
    ui::registerClass(kClassSeparator, separatorProc);
    ui::registerClass(kClassUserPane, userPaneProc);
    ui::registerClass(kClassRadioGroup, radioGroupProc);
    sFontsCreated = true;
}

void setDialogFont(PlxWindow control, DlgFont font) {
    if (!sFontsCreated || (font != kDlgFontNormal && font != kDlgFontBold)) return;
    const FontRecord& f = kFonts[font];
    char text[64];
    std::snprintf(text, sizeof text, "%s,%d,%d", f.face, f.height, f.weight);
    ui::setStringProp(uiHandle(control), "font", text);
}
