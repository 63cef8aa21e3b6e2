// The message box on the dialog template MSGBOX, grown to its text, with
// the plug-in's rules around it (beep, host window disabled, focus given
// back selected).
#include "plugin/dialogs/msgbox.h"
#include "plugin/platform/win/dialogs/dlg_win.h"
#include "plugin/platform/win/wide_text.h"

namespace {

constexpr int32_t kMsgTextControl = 10;
constexpr const wchar_t* kMessageTemplate = L"MSGBOX";

struct BoxStart {
    const char* title;
    const char* text;
    const char* const* buttons;
    int32_t count;
};

INT_PTR CALLBACK boxProc(HWND self, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        const auto* start = reinterpret_cast<const BoxStart*>(lp);
        setWindowTitle(plxOf(self), start->title);
        layOutMessageWindow(plxOf(self), start->text, start->buttons, start->count);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == 1 || LOWORD(wp) == 2) EndDialog(self, LOWORD(wp));
        return TRUE;
    case WM_CLOSE:
        EndDialog(self, 2);
        return TRUE;
    default:
        return FALSE;
    }
}

// Moves a child window down by dy, in its parent's coordinates.
void moveDown(HWND child, int dy) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(child, nullptr, r.left, r.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void grow(HWND window, int dy) {
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The height the text needs, wrapped to `width` in the static's font.
int textHeight(HWND message, const std::wstring& text, int width) {
    HDC dc = GetDC(message);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(message, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(message, dc);
    return r.bottom - r.top;
}

} // namespace

int32_t showMessageBox(const char* title, const char* text, const char* const* buttons,
                       int32_t count) {
    MessageBeep(MB_ICONEXCLAMATION);
    HWND focused = GetFocus();
    MainWindowLock lock = disableMainWindow();
    registerDialogClasses();

    BoxStart start{title ? title : "", text ? text : "", buttons, count};
    INT_PTR result = DialogBoxParamW(toolkitInstance(), kMessageTemplate, GetActiveWindow(), boxProc,
                                     reinterpret_cast<LPARAM>(&start));

    restoreMainWindow(lock);
    if (focused && IsWindow(focused)) {
        SetFocus(focused);
        Ctl kind = controlKind(focused);
        if (kind == Ctl::Edit) SendMessageW(focused, EM_SETSEL, 0, -1);
        if (kind == Ctl::ComboBox) SendMessageW(focused, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    }
    return result == 1 ? 1 : 2;
}

void layOutMessageWindow(PlxWindow window, const char* text, const char* const* buttons,
                         int32_t count) {
    HWND box = hwndOf(window);
    HWND message = box ? hwndOf(getControl(window, kMsgTextControl)) : nullptr;
    if (!message) return;
    // An ampersand in a message is the message's own, no mnemonic.
    SetWindowLongW(message, GWL_STYLE, GetWindowLongW(message, GWL_STYLE) | SS_NOPREFIX);
    std::wstring wide;
    widen(text, &wide);
    SetWindowTextW(message, wide.c_str());
    RECT r;
    GetClientRect(message, &r);
    int extra = textHeight(message, wide, r.right) - r.bottom;
    if (extra > 0) {
        // The static, and the box, grow by what the text needs beyond one
        // line; the buttons move down with it.
        SetWindowPos(message, nullptr, 0, 0, r.right, r.bottom + extra,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        grow(box, extra);
    }
    for (int32_t id = 1; id <= 2; ++id) {
        HWND button = hwndOf(getControl(window, id));
        if (!button) continue;
        if (extra > 0) moveDown(button, extra);
        const char* title = buttons && id <= count ? buttons[id - 1] : nullptr;
        setWindowTextUtf8(button, title ? title : "");
        ShowWindow(button, title && title[0] ? SW_SHOW : SW_HIDE);
    }
}
