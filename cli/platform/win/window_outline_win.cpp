// Outlines of the plug-in's Win32 windows: the window the host's window
// request built, walked as Windows shows it (ui/platform/win/
// win32_outline.h).
#include "cli/window_outline.h"

#include <windows.h>

#include "ui/platform/win/win32_outline.h"

namespace plxcli {

bool outlineNativeWindow(std::uint32_t window, ui::WindowOutline* outline) {
    HWND hwnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
    if (!IsWindow(hwnd) || !win32picture::outline(hwnd, outline)) return false;
    DestroyWindow(hwnd);
    return true;
}

} // namespace plxcli
