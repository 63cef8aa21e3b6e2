#include "tests/win32/text_fit.h"

#include <cstdio>

namespace {

struct Walk {
    std::string name;
    std::vector<std::string> found;
};

std::string utf8(const std::wstring& text) {
    char out[1024];
    if (!WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr))
        return "?";
    return out;
}

bool isClass(HWND window, const wchar_t* name) {
    wchar_t cls[64];
    return GetClassNameW(window, cls, 64) && lstrcmpiW(cls, name) == 0;
}

// The width a text needs in the control's font (mnemonic ampersands are
// not drawn), or, wrapped to `wrapWidth`, the height it needs.
SIZE measure(HWND control, const std::wstring& text, int wrapWidth) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void checkControl(HWND control, Walk* walk) {
    int length = GetWindowTextLengthW(control);
    if (length <= 0) return;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], length + 1)));
    RECT client;
    GetClientRect(control, &client);
    LONG style = GetWindowLongW(control, GWL_STYLE);
    int need = 0;
    int have = client.right;
    if (isClass(control, L"Button")) {
        LONG type = style & BS_TYPEMASK;
        need = measure(control, text, 0).cx;
        if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
            type == BS_AUTORADIOBUTTON)
            have -= GetSystemMetrics(SM_CXMENUCHECK) + 4; // the box and its gap
        else if (type == BS_GROUPBOX)
            have -= 16; // the frame's corners around the title
        else
            have -= 6; // a push button's edges
    } else if (isClass(control, L"Static")) {
        if ((style & SS_TYPEMASK) == SS_LEFT && !(style & WS_BORDER)) {
            // A wrapping static must hold all its lines.
            need = measure(control, text, client.right).cy;
            have = client.bottom;
        } else {
            need = measure(control, text, 0).cx;
        }
    } else {
        return;
    }
    if (need <= have) return;
    char line[1200];
    std::snprintf(line, sizeof line, "%s: control %d \"%s\" needs %d pixels, has %d",
                  walk->name.c_str(), GetDlgCtrlID(control), utf8(text).c_str(), need, have);
    walk->found.push_back(line);
}

} // namespace

std::vector<std::string> textsNotFitting(HWND window, const std::string& name) {
    Walk walk{name, {}};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) checkControl(child, reinterpret_cast<Walk*>(param));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    return walk.found;
}

namespace {

// Controls that hold others lie beneath them by design.
bool holdsControls(HWND window) {
    if (GetWindow(window, GW_CHILD)) return true;
    if (!isClass(window, L"Button")) return false;
    return (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

void collectOverlaps(HWND parent, const std::string& name, std::vector<std::string>* found) {
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!(GetWindowLongW(c, GWL_STYLE) & WS_VISIBLE)) continue;
        if (GetWindow(c, GW_CHILD)) collectOverlaps(c, name, found);
        if (holdsControls(c)) continue;
        RECT r;
        GetWindowRect(c, &r);
        if (r.right <= r.left || r.bottom <= r.top) continue;
        shown.push_back({c, r});
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            RECT both;
            if (!IntersectRect(&both, &shown[i].second, &shown[j].second)) continue;
            char line[200];
            std::snprintf(line, sizeof line, "%s: controls %d and %d overlap", name.c_str(),
                          GetDlgCtrlID(shown[i].first), GetDlgCtrlID(shown[j].first));
            found->push_back(line);
        }
    }
}

} // namespace

std::vector<std::string> overlappingControls(HWND window, const std::string& name) {
    std::vector<std::string> found;
    collectOverlaps(window, name, &found);
    return found;
}
