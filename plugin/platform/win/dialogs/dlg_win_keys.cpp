// Window texts in UTF-8, and the keys the toolkit's controls handle
// themselves: Tab and Shift+Tab move the focus, Return presses OK, Escape
// closes the dialog.
#include "plugin/platform/win/dialogs/dlg_win.h"

#include "plugin/dialogs/dialog_builder.h"
#include "plugin/platform/win/wide_text.h"

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

int sSuppressed = 0;

constexpr size_t kMaxTabStops = 511;

void collectTabStops(HWND parent, std::vector<HWND>* out) {
    for (HWND child = GetWindow(parent, GW_CHILD); child && out->size() < kMaxTabStops;
         child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED))
            out->push_back(child);
        collectTabStops(child, out);
    }
}

// The focus to the next (or previous) control with a tab stop, wrapping at
// the ends; the whole text of a field it lands in is selected.
void moveFocus(HWND from, bool backwards) {
    std::vector<HWND> stops;
    collectTabStops(dialogOf(from), &stops);
    if (stops.empty()) return;
    size_t at = stops.size();
    for (size_t i = 0; i < stops.size(); ++i)
        if (stops[i] == from) at = i;
    size_t next = 0;
    if (at == stops.size())
        next = backwards ? stops.size() - 1 : 0;
    else if (backwards)
        next = at == 0 ? stops.size() - 1 : at - 1;
    else
        next = at + 1 == stops.size() ? 0 : at + 1;
    SetFocus(stops[next]);
    if (controlKind(stops[next]) == Ctl::Edit) SendMessageW(stops[next], EM_SETSEL, 0, -1);
}

bool acceptsReturn(HWND control) {
    LONG style = GetWindowLongW(control, GWL_STYLE);
    return controlKind(control) == Ctl::Edit && (style & ES_MULTILINE) && (style & ES_WANTRETURN);
}

LRESULT CALLBACK keyProc(HWND self, UINT msg, WPARAM wp, LPARAM lp) {
    auto previous = reinterpret_cast<WNDPROC>(valueProp(self, "wprc"));
    if (!previous) return DefWindowProcW(self, msg, wp, lp);
    switch (msg) {
    case WM_GETDLGCODE:
        // The keys come here rather than to the dialog manager.
        return CallWindowProcW(previous, self, msg, wp, lp) | DLGC_WANTALLKEYS | DLGC_WANTTAB;
    case WM_KEYDOWN:
        if (wp == VK_TAB) {
            moveFocus(self, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        if (wp == VK_RETURN && !acceptsReturn(self)) {
            SendMessageW(dialogOf(self), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
            return 0;
        }
        if (wp == VK_ESCAPE) {
            SendMessageW(dialogOf(self), WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_CHAR:
        // The characters of keys handled above make no beep and no text.
        if (wp == '\t' || wp == 27 || (wp == '\r' && !acceptsReturn(self))) return 0;
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(self, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        setValueProp(self, "wprc", 0);
        return CallWindowProcW(previous, self, msg, wp, lp);
    default:
        break;
    }
    return CallWindowProcW(previous, self, msg, wp, lp);
}

} // namespace

void subclassControl(HWND control) {
    if (!control || valueProp(control, "wprc")) return;
    auto previous = GetWindowLongPtrW(control, GWLP_WNDPROC);
    setValueProp(control, "wprc", static_cast<intptr_t>(previous));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keyProc));
}

std::wstring windowTextWide(HWND window) {
    if (!window) return {};
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    int n = GetWindowTextW(window, &wide[0], length + 1);
    wide.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return wide;
}

std::string narrowed(const wchar_t* wide) {
    if (!wide || !*wide) return {};
    // Each UTF-16 unit gives at most three bytes of UTF-8.
    std::string text(std::wcslen(wide) * 3 + 1, '\0');
    if (!narrowInto(wide, &text[0], text.size())) return {};
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::string windowText(HWND window) {
    return narrowed(windowTextWide(window).c_str());
}

void setWindowTextUtf8(HWND window, const char* text) {
    if (!window) return;
    std::wstring wide;
    widen(text, &wide);
    SuppressNotifications quiet;
    SetWindowTextW(window, wide.c_str());
}

bool notificationsSuppressed() {
    return sSuppressed > 0;
}
SuppressNotifications::SuppressNotifications() {
    ++sSuppressed;
}
SuppressNotifications::~SuppressNotifications() {
    --sSuppressed;
}
