// Shared by the toolkit's Win32 files: a PlxWindow is an HWND, properties
// are window properties, texts are UTF-8 inside and UTF-16 at the system
// calls.
#pragma once

#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/native_controls.h"

#include <windows.h>

#include <cstdint>
#include <string>

inline HWND hwndOf(PlxWindow window) {
    HWND h = reinterpret_cast<HWND>(window);
    return window && IsWindow(h) ? h : nullptr;
}
inline PlxWindow plxOf(HWND window) {
    return reinterpret_cast<PlxWindow>(window);
}

// Property names: a prefix ("KRVV" for values, "KRVS" for strings) and the
// four characters of the code in reading order.
std::wstring valuePropName(uint32_t code);
std::wstring stringPropName(uint32_t code);
uint32_t codeOf(const char* text);

intptr_t valueProp(HWND window, const char* code);
void setValueProp(HWND window, const char* code, intptr_t value);
// Frees the string properties of a window and of all its descendants (they
// are heap copies); called when a dialog or panel goes away.
void freeStringProps(HWND window);

constexpr const wchar_t* kClassSeparator = L"Separator";
constexpr const wchar_t* kClassUserPane = L"UserPane";
constexpr const wchar_t* kClassRadioGroup = L"RadioGroup";

// What a control is, from its window class and styles.
enum class Ctl {
    None,
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox, // editable
    Popup,    // drop-down list
    Edit,
    Static,
    ListBox,
    ProgressBar,
    TabControl,
    RadioGroup,
    Separator,
    UserPane,
    Other,
};
Ctl controlKind(HWND window);

// UTF-8 texts of windows. Setting a text from code raises the process-wide
// suppression flag, so the change notification it causes calls no handler.
std::string windowText(HWND window);
std::wstring windowTextWide(HWND window);
std::string narrowed(const wchar_t* wide);
void setWindowTextUtf8(HWND window, const char* text);
bool notificationsSuppressed();
struct SuppressNotifications {
    SuppressNotifications();
    ~SuppressNotifications();
    SuppressNotifications(const SuppressNotifications&) = delete;
    SuppressNotifications& operator=(const SuppressNotifications&) = delete;
};

// Gives the texts of a window's buttons and static texts made from a dialog
// template, which are string-table keys, in the current language.
void localizeWindowTexts(HWND window);

// The dialog a control lives in: the nearest ancestor that is no child
// window (the control itself when it is one).
HWND dialogOf(HWND control);

// Keys typed in the toolkit's controls: Tab, Return and Escape, as the
// dialog runtime handles them. Every control made from a description that
// takes keys or commands is subclassed with this.
void subclassControl(HWND control);

// A radio group's value: the 1-based position of the button that is on
// among its children (0 none); setting n turns the n-th on, the rest off.
int32_t radioGroupValue(HWND group);
void setRadioGroupValue(HWND group, int32_t value);

// The toolkit's font handles (created by registerDialogClasses).
HFONT dialogFont(DlgFont font);

// The window disabled while a dialog or message box is up, and whether it
// was enabled before.
struct MainWindowLock {
    HWND window = nullptr;
    bool wasEnabled = false;
};
MainWindowLock disableMainWindow();
void restoreMainWindow(const MainWindowLock& lock);

// The module whose resources hold the dialog templates.
HINSTANCE toolkitInstance();
