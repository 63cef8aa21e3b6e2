// "Output Styles" on Win32: the styles in the host's order, Edit… for the
// selected one, and a new style made from a name and a medium; the ids are
// those of the headless window (style_editor.h).
#include <vector>

#include "host/host.h"
#include "host/native_windows.h"
#include "host/platform/win/wide.h"
#include "host/platform/win/win32_modal.h"
#include "host/platform/win/win32_panel_window.h"
#include "host/style_editor.h"

namespace plxhost {

namespace {

constexpr const wchar_t* kStylesClass = L"PlexhostStylesWindow";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

bool sOpen = false;

struct StylesWindow {
    Host* host = nullptr;
    HWND window = nullptr;
    HWND list = nullptr;
    HWND name = nullptr;
    HWND medium = nullptr;
    int result = 0;
};

std::string textOf(HWND control) {
    int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], length + 1)));
    return fromWide(text);
}

void fillList(StylesWindow& w, const std::string& select) {
    SendMessageW(w.list, LB_RESETCONTENT, 0, 0);
    LRESULT chosen = 0;
    for (OutputStyleRef s : w.host->styles().styles()) {
        LRESULT at = SendMessageW(w.list, LB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(toWide(s->name).c_str()));
        if (s->name == select) chosen = at;
    }
    SendMessageW(w.list, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

void newStyle(StylesWindow& w) {
    std::string name = textOf(w.name);
    uint32_t medium = textOf(w.medium) == "EPS" ? kXTMediumEPS : kXTMediumPDF;
    std::string error;
    if (w.host->styles().create(name, medium, nullptr, &error) != 0) {
        std::string text = error.empty() ? "The style could not be made." : error;
        MessageBoxW(w.window, toWide(text).c_str(), L"Plexhost", MB_OK);
        return;
    }
    fillList(w, name);
}

void editSelected(StylesWindow& w) {
    LRESULT index = SendMessageW(w.list, LB_GETCURSEL, 0, 0);
    LRESULT length = index < 0 ? -1 : SendMessageW(w.list, LB_GETTEXTLEN, index, 0);
    OutputStyleRef style = nullptr;
    if (length >= 0) {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(w.list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        style = w.host->styles().find(fromWide(text));
    }
    if (!style) {
        MessageBeep(MB_OK);
        return;
    }
    editOutputStyle(*w.host, style);
}

LRESULT CALLBACK stylesProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* w = reinterpret_cast<StylesWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!w) return DefWindowProcW(window, msg, wParam, lParam);
    switch (msg) {
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return 0;
        switch (LOWORD(wParam)) {
        case IDOK:
            w->result = 1;
            break;
        case IDCANCEL:
            w->result = 2;
            break;
        case kStylesNewId:
            newStyle(*w);
            break;
        case kStylesEditId:
            editSelected(*w);
            break;
        default:
            break;
        }
        return 0;
    case WM_CLOSE:
        w->result = 2;
        return 0;
    default:
        return DefWindowProcW(window, msg, wParam, lParam);
    }
}

HWND control(HWND parent, const wchar_t* cls, int id, const wchar_t* text, DWORD style,
             DWORD exStyle, int x, int y, int width, int height) {
    HWND c = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(hostFont()), FALSE);
    return c;
}

} // namespace

int runNativeOutputStylesWindow(Host& host) {
    if (sOpen) return 0;
    sOpen = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, kStylesClass, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = stylesProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kStylesClass;
        RegisterClassExW(&wc);
    }
    StylesWindow w;
    w.host = &host;
    RECT frame{0, 0, 420, 300};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    auto owner = reinterpret_cast<HWND>(host.mainWindowRef());
    w.window = CreateWindowExW(kExStyle, kStylesClass, toWide(kOutputStylesTitle).c_str(), kStyle,
                               (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                               (GetSystemMetrics(SM_CYSCREEN) - height) / 4, width, height, owner,
                               nullptr, instance, &w);
    control(w.window, L"Button", IDOK, L"Done", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 320, 260, 90, 24);
    w.list = control(w.window, L"ListBox", kStylesListId, L"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP,
                     WS_EX_CLIENTEDGE, 10, 10, 290, 200);
    control(w.window, L"Button", kStylesEditId, L"Edit\u2026", BS_PUSHBUTTON | WS_TABSTOP, 0, 320,
            10, 90, 24);
    w.name = control(w.window, L"Edit", kStylesNameId, L"", ES_AUTOHSCROLL | WS_TABSTOP,
                     WS_EX_CLIENTEDGE, 10, 222, 190, 22);
    w.medium = control(w.window, L"ComboBox", kStylesMediumId, L"",
                       CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 210, 222, 90, 100);
    SendMessageW(w.medium, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"EPS"));
    SendMessageW(w.medium, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"PDF"));
    SendMessageW(w.medium, CB_SETCURSEL, 1, 0);
    control(w.window, L"Button", kStylesNewId, L"New", BS_PUSHBUTTON | WS_TABSTOP, 0, 320, 222, 90,
            24);
    fillList(w, std::string());
    int result = runWin32Modal(w.window, owner, w.list, &w.result);
    DestroyWindow(w.window);
    sOpen = false;
    return result == 1 ? 1 : 2;
}

} // namespace plxhost
