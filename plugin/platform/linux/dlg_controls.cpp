// Finding controls and reading and writing their texts and values.
#include "plugin/dialogs/dialog_builder.h"
#include "plugin/platform/linux/dlg_linux.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// The integer a text field holds: leading blanks and a sign, digits up to
// the first other character, clamped to 32 bits; 0 without digits.
int32_t integerOf(const std::string& text) {
    errno = 0;
    long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (v > INT32_MAX || (errno == ERANGE && v > 0)) return INT32_MAX;
    if (v < INT32_MIN || (errno == ERANGE && v < 0)) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// Selects item n (1-based); 0 or an index past the end clears the choice.
void selectItem(ui::Handle control, int32_t n) {
    ui::setSelection(control, n - 1);
}

} // namespace

PlxWindow getControl(PlxWindow dialog, int32_t id) {
    uint32_t commandName = codeOf(kPropCommand);
    for (ui::Handle h : ui::descendants(uiHandle(dialog))) {
        if (ui::id(h) == id) return h;
        intptr_t command = ui::prop(h, valuePropName(commandName), 0);
        if (command != 0 && static_cast<int32_t>(command) == id) return h;
    }
    return 0;
}

void setControlHandler(PlxWindow control, DlgControlProc handler, void* user) {
    ui::Handle h = uiHandle(control);
    if (!ui::isWindow(h)) return;
    setValueProp(h, kPropHandler, reinterpret_cast<intptr_t>(handler));
    setValueProp(h, kPropUser, handler ? reinterpret_cast<intptr_t>(user) : 0);
}

void setControlHandler(PlxWindow dialog, int32_t id, DlgControlProc handler, void* user) {
    setControlHandler(getControl(dialog, id), handler, user);
}

void setWindowTitle(PlxWindow window, const char* text) {
    ui::setText(uiHandle(window), text ? text : "");
}

namespace {

void showText(ui::Handle h, const std::string& shown) {
    switch (ui::kind(h)) {
    case ui::Kind::ListBox:
        return;
    case ui::Kind::Popup:
        if (!ui::setText(h, shown)) ui::setSelection(h, 0);
        return;
    default:
        ui::setText(h, shown);
        return;
    }
}

} // namespace

void setControlText(PlxWindow control, const char* text) {
    ui::Handle h = uiHandle(control);
    if (!ui::isWindow(h)) return;
    std::string shown;
    try {
        shown = localizeString(text);
    } catch (...) {
        return;
    }
    showText(h, shown);
}

void setControlLiteralText(PlxWindow control, const char* text) {
    ui::Handle h = uiHandle(control);
    if (!ui::isWindow(h)) return;
    try {
        showText(h, text ? text : "");
    } catch (...) {
    }
}

char* getControlText(PlxWindow control) {
    ui::Handle h = uiHandle(control);
    switch (ui::kind(h)) {
    case ui::Kind::Edit:
    case ui::Kind::Static:
    case ui::Kind::ComboBox:
    case ui::Kind::Popup:
    case ui::Kind::ListBox:
        break;
    default:
        return nullptr;
    }
    if (!ui::isWindow(h)) return nullptr;
    std::string text = ui::text(h);
    char* copy = static_cast<char*>(myalloc(text.size() + 1, 1));
    if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void setControlValue(PlxWindow control, int32_t value) {
    ui::Handle h = uiHandle(control);
    switch (ui::kind(h)) {
    case ui::Kind::CheckBox:
    case ui::Kind::RadioButton:
    case ui::Kind::ProgressBar:
        ui::setValue(h, value);
        break;
    case ui::Kind::Popup:
    case ui::Kind::ComboBox:
    case ui::Kind::TabControl:
        selectItem(h, value);
        break;
    case ui::Kind::Edit:
    case ui::Kind::Static:
        ui::setText(h, std::to_string(value));
        break;
    case ui::Kind::Custom:
        if (isClass(h, kClassRadioGroup)) ui::setValue(h, value);
        break;
    default:
        break;
    }
}

void setControlValue(PlxWindow dialog, int32_t id, int32_t value) {
    setControlValue(getControl(dialog, id), value);
}

int32_t getControlValue(PlxWindow control) {
    ui::Handle h = uiHandle(control);
    switch (ui::kind(h)) {
    case ui::Kind::CheckBox:
    case ui::Kind::RadioButton:
    case ui::Kind::ProgressBar:
        return static_cast<int32_t>(ui::value(h));
    case ui::Kind::Popup:
    case ui::Kind::ComboBox:
    case ui::Kind::TabControl:
        return ui::selection(h) + 1;
    case ui::Kind::Edit:
    case ui::Kind::Static:
        return integerOf(ui::text(h));
    case ui::Kind::Custom:
        return isClass(h, kClassRadioGroup) ? static_cast<int32_t>(ui::value(h)) : 0;
    default:
        return 0;
    }
}

int32_t getControlValue(PlxWindow dialog, int32_t id) {
    return getControlValue(getControl(dialog, id));
}

void setControlRange(PlxWindow control, int32_t minimum, int32_t maximum) {
    ui::Handle h = uiHandle(control);
    if (ui::kind(h) == ui::Kind::ProgressBar) ui::setRange(h, minimum, maximum);
}
