#include "ui/platform/win/win32_person.h"

#include <commctrl.h>

#include <vector>

namespace win32person {

namespace {

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, nullptr);
    return out;
}

bool hasClass(HWND window, const wchar_t* name) {
    wchar_t cls[64];
    return GetClassNameW(window, cls, 64) && lstrcmpiW(cls, name) == 0;
}

// A person can work a control that is there, enabled and shown, in a
// top-level window that is enabled and shown too.
bool usable(HWND control) {
    if (!control || !IsWindow(control)) return false;
    HWND top = GetAncestor(control, GA_ROOT);
    return IsWindowEnabled(control) && IsWindowVisible(control) && IsWindowEnabled(top) &&
           IsWindowVisible(top);
}

void notify(HWND control, WORD code) {
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

struct Search {
    std::wstring title;
    const wchar_t* className;
    HWND found;
};

} // namespace

HWND findWindow(const std::string& title, const wchar_t* className) {
    Search search{wide(title), className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (!IsWindowVisible(window)) return TRUE;
            if (s->className && !hasClass(window, s->className)) return TRUE;
            wchar_t shown[512];
            GetWindowTextW(window, shown, 512);
            if (s->title != shown) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findControl(HWND window, int id) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) return child;
        if (HWND found = findControl(child, id)) return found;
    }
    return nullptr;
}

std::string text(HWND window) {
    int length = window ? GetWindowTextLengthW(window) : 0;
    if (length <= 0) return {};
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    int n = GetWindowTextW(window, &buffer[0], length + 1);
    buffer.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return narrow(buffer);
}

bool click(HWND control) {
    if (!usable(control) || !hasClass(control, L"Button")) return false;
    LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_GROUPBOX) return false;
    SendMessageW(control, BM_CLICK, 0, 0);
    return true;
}

bool check(HWND checkBox, bool on) {
    if (!usable(checkBox)) return false;
    bool isOn = SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return isOn == on || click(checkBox);
}

bool type(HWND control, const std::string& typed) {
    if (!usable(control)) return false;
    std::wstring w = wide(typed);
    LONG style = GetWindowLongW(control, GWL_STYLE);
    if (hasClass(control, L"Edit")) {
        if (style & ES_READONLY) return false;
        SetFocus(control);
        // A single-line field tells of the new text itself; a multi-line
        // one does not when the text is set as a whole.
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
        if (style & ES_MULTILINE) notify(control, EN_CHANGE);
        return true;
    }
    if (hasClass(control, L"ComboBox") && (style & 3) != CBS_DROPDOWNLIST) {
        SetFocus(control);
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
        notify(control, CBN_EDITCHANGE);
        return true;
    }
    return false;
}

bool choose(HWND control, int index) {
    if (!usable(control) || index < 0) return false;
    if (hasClass(control, L"ComboBox")) {
        if (index >= SendMessageW(control, CB_GETCOUNT, 0, 0)) return false;
        SetFocus(control);
        notify(control, CBN_DROPDOWN);
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify(control, CBN_SELCHANGE);
        notify(control, CBN_SELENDOK);
        notify(control, CBN_CLOSEUP);
        return true;
    }
    if (hasClass(control, L"ListBox")) {
        if (index >= SendMessageW(control, LB_GETCOUNT, 0, 0)) return false;
        SetFocus(control);
        SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify(control, LBN_SELCHANGE);
        return true;
    }
    if (hasClass(control, WC_TABCONTROLW)) {
        if (index >= SendMessageW(control, TCM_GETITEMCOUNT, 0, 0)) return false;
        SendMessageW(control, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)),
                     static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(GetParent(control), WM_NOTIFY, header.idFrom,
                     reinterpret_cast<LPARAM>(&header));
        return true;
    }
    return false;
}

namespace {

// The index of the tab with exactly this title, -1 when none has it.
LRESULT tabTitled(HWND tabs, const std::wstring& title) {
    LRESULT count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t shown[256] = L"";
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = shown;
        item.cchTextMax = 256;
        if (SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item)) &&
            title == shown)
            return i;
    }
    return -1;
}

} // namespace

bool chooseText(HWND control, const std::string& item) {
    std::wstring w = wide(item);
    LRESULT index = -1;
    if (hasClass(control, L"ComboBox"))
        index = SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(w.c_str()));
    else if (hasClass(control, L"ListBox"))
        index = SendMessageW(control, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(w.c_str()));
    else if (hasClass(control, WC_TABCONTROLW))
        index = tabTitled(control, w);
    return index >= 0 && choose(control, static_cast<int>(index));
}

bool answer(HWND messageBox, int button) {
    return click(findControl(messageBox, button));
}

} // namespace win32person
