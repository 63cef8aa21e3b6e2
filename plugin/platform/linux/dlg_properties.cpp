// Named properties of the toolkit's windows.
#include "plugin/platform/linux/dlg_linux.h"

#include "plugin/support/bounded.h"
#include "xt/xttypes.h"

#include <cstring>

namespace {

std::string propName(const char* prefix, uint32_t code) {
    // Built in place: the progress window asks for a property every tick.
    char chars[8];
    std::memcpy(chars, prefix, 4);
    std::memcpy(chars + 4, &code, 4);
    return std::string(chars, 8);
}

} // namespace

std::string valuePropName(uint32_t code) {
    return propName("KRVV", code);
}
std::string stringPropName(uint32_t code) {
    return propName("KRVS", code);
}
uint32_t codeOf(const char* text) {
    return xtFourCharCode(text);
}

intptr_t valueProp(ui::Handle window, const char* code) {
    return ui::prop(window, valuePropName(codeOf(code)), 0);
}

void setValueProp(ui::Handle window, const char* code, intptr_t value) {
    std::string name = valuePropName(codeOf(code));
    if (value)
        ui::setProp(window, name, value);
    else
        ui::removeProp(window, name);
}

bool isClass(ui::Handle window, const char* name) {
    return ui::kind(window) == ui::Kind::Custom && ui::className(window) == name;
}

bool setValueProperty(PlxWindow window, uint32_t code, intptr_t value) {
    return ui::setProp(uiHandle(window), valuePropName(code), value);
}

intptr_t getValueProperty(PlxWindow window, uint32_t code, intptr_t fallback) {
    return ui::prop(uiHandle(window), valuePropName(code), fallback);
}

bool setStringProperty(PlxWindow window, uint32_t code, const char* text) {
    return ui::setStringProp(uiHandle(window), stringPropName(code), text ? text : "");
}

bool getStringProperty(PlxWindow window, uint32_t code, char* dst, int32_t capacity) {
    if (!dst || capacity <= 0) return false;
    std::string value;
    bool found = ui::getStringProp(uiHandle(window), stringPropName(code), &value);
    copyText(dst, static_cast<size_t>(capacity), found ? value.c_str() : "");
    return found;
}
