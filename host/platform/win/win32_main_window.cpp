#include "host/platform/win/win32_main_window.h"

#include "host/host.h"
#include "host/menus.h"
#include "host/native_windows.h"
#include "host/platform/win/wide.h"

namespace plxhost {

namespace {

constexpr const wchar_t* kMainClass = L"PlexhostMainWindow";

// An ampersand in a menu text marks the mnemonic: the host's texts show
// theirs as they are.
std::wstring menuText(const std::string& text) {
    std::wstring wide = toWide(text);
    std::wstring out;
    for (wchar_t c : wide) {
        if (c == L'&') out += L'&';
        out += c;
    }
    return out;
}

void refreshItems(Host& host, HMENU menu) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            refreshItems(host, sub);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;
        auto command = static_cast<int16_t>(id);
        MenuItem* item = host.menus().findCommand(host.menus().mainMenu(), command);
        if (!item) item = host.menus().findCommand(host.menus().currentContextMenu(), command);
        if (item)
            EnableMenuItem(menu, static_cast<UINT>(i),
                           MF_BYPOSITION | (item->enabled ? MF_ENABLED : MF_GRAYED));
    }
}

LRESULT CALLBACK mainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!host) return DefWindowProcW(window, msg, wParam, lParam);
    switch (msg) {
    case WM_INITMENUPOPUP:
        host->menus().update();
        refreshItems(*host, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0) {
            host->menus().choose(static_cast<int16_t>(LOWORD(wParam)));
            return 0;
        }
        break;
    case WM_CONTEXTMENU: {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        runWin32ContextMenu(*host, at);
        return 0;
    }
    case WM_CLOSE:
        // The host ends with its program, not with a click on the close box.
        return 0;
    case WM_DESTROY:
        if (HMENU bar = GetMenu(window)) {
            SetMenu(window, nullptr);
            DestroyMenu(bar);
        }
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace

HMENU makeWin32Menu(const XTMenu_* menu, bool bar) {
    HMENU out = bar ? CreateMenu() : CreatePopupMenu();
    if (!out || !menu) return out;
    for (const MenuItem& item : menu->items) {
        if (item.separator()) {
            AppendMenuW(out, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED);
        if (item.submenu) {
            HMENU sub = makeWin32Menu(item.submenu, false);
            AppendMenuW(out, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub),
                        menuText(item.text).c_str());
        } else {
            AppendMenuW(out, flags, static_cast<UINT_PTR>(static_cast<uint16_t>(item.command)),
                        menuText(item.text).c_str());
        }
    }
    return out;
}

void refreshWin32Menu(Host& host, HMENU menu) {
    host.menus().update();
    refreshItems(host, menu);
}

bool runWin32ContextMenu(Host& host, POINT at) {
    XTMenu_* context = host.menus().contextMenu();
    if (!context) return false;
    HMENU popup = makeWin32Menu(context, false);
    auto owner = reinterpret_cast<HWND>(host.mainWindowRef());
    auto command = static_cast<int16_t>(TrackPopupMenu(
        popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(popup);
    return command != 0 && host.menus().choose(command);
}

XTWindowRef openNativeMainWindow(Host& host) {
    WNDCLASSEXW wc{};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoExW(instance, kMainClass, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = mainProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.lpszClassName = kMainClass;
        RegisterClassExW(&wc);
    }
    HWND window = CreateWindowExW(0, kMainClass, L"Plexhost", WS_OVERLAPPEDWINDOW, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, instance, &host);
    if (!window) return 0;
    ShowWindow(window, SW_SHOWNA);
    return reinterpret_cast<XTWindowRef>(window);
}

void closeNativeMainWindow(XTWindowRef window) {
    auto h = reinterpret_cast<HWND>(window);
    if (h && IsWindow(h)) DestroyWindow(h);
}

void showNativeMenuBar(Host& host, XTMenu_* mainMenu) {
    auto window = reinterpret_cast<HWND>(host.mainWindowRef());
    if (!window || !IsWindow(window)) return;
    HMENU old = GetMenu(window);
    SetMenu(window, makeWin32Menu(mainMenu, true));
    if (old) DestroyMenu(old);
    DrawMenuBar(window);
}

} // namespace plxhost
