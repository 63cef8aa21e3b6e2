// Shared by the toolkit's Linux files: the dialog toolkit's windows are the
// headless window system's (ui/), and its properties are that system's
// named properties.
#pragma once

#include "plugin/dialogs/dialogs.h"
#include "ui/ui.h"

#include <cstdint>
#include <string>

inline ui::Handle uiHandle(PlxWindow window) {
    return window > UINT32_MAX ? ui::kNoWindow : static_cast<ui::Handle>(window);
}

// Property names: a prefix ("KRVV" for values, "KRVS" for strings) and the
// four characters of the code in reading order.
std::string valuePropName(uint32_t code);
std::string stringPropName(uint32_t code);
uint32_t codeOf(const char* text);

// The handler, user data and timer kept as value properties.
intptr_t valueProp(ui::Handle window, const char* code);
void setValueProp(ui::Handle window, const char* code, intptr_t value);

// Whether a window is of the registered class `name`.
bool isClass(ui::Handle window, const char* name);
constexpr const char* kClassSeparator = "Separator";
constexpr const char* kClassUserPane = "UserPane";
constexpr const char* kClassRadioGroup = "RadioGroup";

// The window disabled while a dialog or message box is up, and whether it
// was enabled before.
struct MainWindowLock {
    ui::Handle window = ui::kNoWindow;
    bool wasEnabled = false;
};
MainWindowLock disableMainWindow();
void restoreMainWindow(const MainWindowLock& lock);
