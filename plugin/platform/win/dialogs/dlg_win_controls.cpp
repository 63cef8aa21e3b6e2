// Finding controls and reading and writing their texts and values, on the
// standard Win32 controls.
#include "plugin/platform/win/dialogs/dlg_win.h"

#include "plugin/dialogs/dialog_builder.h"
#include "plugin/platform/win/wide_text.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"

#include <commctrl.h>

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

HWND findIn(HWND parent, int32_t id, uint32_t commandName) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) return child;
        intptr_t command = getValueProperty(plxOf(child), commandName, 0);
        if (command != 0 && static_cast<int32_t>(command) == id) return child;
        if (HWND found = findIn(child, id, commandName)) return found;
    }
    return nullptr;
}

// The text of item `index` of a combo box or list box.
std::string itemText(HWND control, bool list, LRESULT index) {
    if (index < 0) return {};
    UINT lengthMsg = list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
    UINT textMsg = list ? LB_GETTEXT : CB_GETLBTEXT;
    LRESULT length = SendMessageW(control, lengthMsg, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(control, textMsg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
    std::string text(static_cast<size_t>(length) * 3 + 1, '\0');
    if (!narrowInto(wide.c_str(), &text[0], text.size())) return {};
    text.resize(std::strlen(text.c_str()));
    return text;
}

void showText(HWND h, const char* shown) {
    switch (controlKind(h)) {
    case Ctl::ListBox:
        return;
    case Ctl::Popup: {
        // The item with exactly that title, else the first.
        std::wstring wide;
        widen(shown, &wide);
        LRESULT found = wide.empty() ? CB_ERR
                                     : SendMessageW(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(wide.c_str()));
        SuppressNotifications quiet;
        SendMessageW(h, CB_SETCURSEL, found == CB_ERR ? 0 : static_cast<WPARAM>(found), 0);
        return;
    }
    default:
        setWindowTextUtf8(h, shown);
        return;
    }
}

} // namespace

PlxWindow getControl(PlxWindow dialog, int32_t id) {
    HWND h = hwndOf(dialog);
    if (!h) return 0;
    return plxOf(findIn(h, id, codeOf(kPropCommand)));
}

void setControlHandler(PlxWindow control, DlgControlProc handler, void* user) {
    HWND h = hwndOf(control);
    if (!h) return;
    setValueProp(h, kPropHandler, reinterpret_cast<intptr_t>(handler));
    setValueProp(h, kPropUser, handler ? reinterpret_cast<intptr_t>(user) : 0);
}

void setControlHandler(PlxWindow dialog, int32_t id, DlgControlProc handler, void* user) {
    setControlHandler(getControl(dialog, id), handler, user);
}

void setWindowTitle(PlxWindow window, const char* text) {
    setWindowTextUtf8(hwndOf(window), text ? text : "");
}

void setControlText(PlxWindow control, const char* text) {
    HWND h = hwndOf(control);
    if (!h) return;
    try {
        showText(h, localizeString(text).c_str());
    } catch (...) {
    }
}

void setControlLiteralText(PlxWindow control, const char* text) {
    HWND h = hwndOf(control);
    if (h) showText(h, text ? text : "");
}

char* getControlText(PlxWindow control) {
    HWND h = hwndOf(control);
    std::string text;
    switch (controlKind(h)) {
    case Ctl::Edit:
    case Ctl::Static:
    case Ctl::ComboBox:
        text = windowText(h);
        break;
    case Ctl::Popup:
        text = itemText(h, false, SendMessageW(h, CB_GETCURSEL, 0, 0));
        break;
    case Ctl::ListBox:
        text = itemText(h, true, SendMessageW(h, LB_GETCURSEL, 0, 0));
        break;
    default:
        return nullptr;
    }
    char* copy = static_cast<char*>(myalloc(text.size() + 1, 1));
    if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void setControlValue(PlxWindow control, int32_t value) {
    HWND h = hwndOf(control);
    SuppressNotifications quiet;
    switch (controlKind(h)) {
    case Ctl::CheckBox:
    case Ctl::RadioButton:
        SendMessageW(h, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Ctl::ProgressBar:
        SendMessageW(h, PBM_SETPOS, static_cast<WPARAM>(value), 0);
        break;
    case Ctl::Popup:
    case Ctl::ComboBox:
        // 0 (or an item past the end) clears the choice.
        SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(value - 1), 0);
        break;
    case Ctl::TabControl:
        SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(value - 1), 0);
        break;
    case Ctl::Edit:
    case Ctl::Static:
        setWindowTextUtf8(h, std::to_string(value).c_str());
        break;
    case Ctl::RadioGroup:
        setRadioGroupValue(h, value);
        break;
    default:
        break;
    }
}

void setControlValue(PlxWindow dialog, int32_t id, int32_t value) {
    setControlValue(getControl(dialog, id), value);
}

int32_t getControlValue(PlxWindow control) {
    HWND h = hwndOf(control);
    switch (controlKind(h)) {
    case Ctl::CheckBox:
    case Ctl::RadioButton:
        return SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case Ctl::ProgressBar:
        return static_cast<int32_t>(SendMessageW(h, PBM_GETPOS, 0, 0));
    case Ctl::Popup:
    case Ctl::ComboBox: {
        LRESULT index = SendMessageW(h, CB_GETCURSEL, 0, 0);
        return index < 0 ? 0 : static_cast<int32_t>(index) + 1;
    }
    case Ctl::TabControl: {
        LRESULT index = SendMessageW(h, TCM_GETCURSEL, 0, 0);
        return index < 0 ? 0 : static_cast<int32_t>(index) + 1;
    }
    case Ctl::Edit:
    case Ctl::Static:
        return integerOf(windowText(h));
    case Ctl::RadioGroup:
        return radioGroupValue(h);
    default:
        return 0;
    }
}

int32_t getControlValue(PlxWindow dialog, int32_t id) {
    return getControlValue(getControl(dialog, id));
}

void setControlRange(PlxWindow control, int32_t minimum, int32_t maximum) {
    HWND h = hwndOf(control);
    if (controlKind(h) == Ctl::ProgressBar) SendMessageW(h, PBM_SETRANGE32, minimum, maximum);
}

void beep() {
    MessageBeep(MB_OK);
}

void enableControl(PlxWindow control, bool enabled) {
    if (HWND h = hwndOf(control)) EnableWindow(h, enabled);
}

void focusControl(PlxWindow control, int32_t selectChars) {
    HWND h = hwndOf(control);
    if (!h || !SetFocus(h)) return;
    Ctl kind = controlKind(h);
    if (kind == Ctl::Edit)
        SendMessageW(h, EM_SETSEL, 0, selectChars > 0 ? selectChars : 0);
    else if (kind == Ctl::ComboBox)
        SendMessageW(h, CB_SETEDITSEL, 0, MAKELPARAM(0, selectChars > 0 ? selectChars : 0));
}

void clearControlItems(PlxWindow control) {
    HWND h = hwndOf(control);
    Ctl kind = controlKind(h);
    if (kind == Ctl::Popup || kind == Ctl::ComboBox) SendMessageW(h, CB_RESETCONTENT, 0, 0);
    if (kind == Ctl::ListBox) SendMessageW(h, LB_RESETCONTENT, 0, 0);
}

void addControlItem(PlxWindow control, const char* text) {
    HWND h = hwndOf(control);
    if (!text || !h) return;
    std::wstring wide;
    widen(text, &wide);
    Ctl kind = controlKind(h);
    if (kind == Ctl::Popup || kind == Ctl::ComboBox)
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (kind == Ctl::ListBox)
        SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void localizeWindowTexts(HWND window) {
    if (!window) return;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
            Ctl kind = controlKind(child);
            if (kind == Ctl::Edit || kind == Ctl::ComboBox || kind == Ctl::Popup ||
                kind == Ctl::ListBox)
                return TRUE;
            std::string key = windowText(child);
            if (!key.empty()) {
                try {
                    setWindowTextUtf8(child, localizeString(key.c_str()).c_str());
                } catch (...) {
                }
            }
            return TRUE;
        },
        0);
}
