#include "ui/platform/win/win32_picture.h"

#include <cstdio>

#include "ui/png.h"

namespace win32picture {

namespace {

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

// Copies what the screen shows of the rectangle into a 32-bit top-down
// bitmap and hands back its pixels as RGB.
bool grab(const RECT& r, std::vector<std::uint8_t>* rgb) {
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = memory && bitmap && bits;
    if (ok) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, old);
    }
    if (ok) {
        const auto* bgra = static_cast<const std::uint8_t*>(bits);
        size_t pixels = static_cast<size_t>(w) * static_cast<size_t>(h);
        rgb->resize(pixels * 3);
        for (size_t i = 0; i < pixels; ++i) {
            (*rgb)[i * 3] = bgra[i * 4 + 2];
            (*rgb)[i * 3 + 1] = bgra[i * 4 + 1];
            (*rgb)[i * 3 + 2] = bgra[i * 4];
        }
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

} // namespace

bool capture(HWND window, int* width, int* height, std::vector<std::uint8_t>* rgb) {
    if (!window || !IsWindow(window) || !width || !height || !rgb) return false;
    // Wine's PrintWindow draws neither the frame nor the children, so the
    // picture is taken from the screen: the window shown on top and drawn
    // completely first, then put back as it was.
    bool wasVisible = IsWindowVisible(window) != 0;
    if (!wasVisible) ShowWindow(window, SW_SHOWNA);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(window, &r);
    // Only what lies on the screen can be grabbed.
    RECT screen{0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    RECT visible{};
    bool ok = IntersectRect(&visible, &r, &screen) && grab(visible, rgb);
    if (ok) {
        *width = visible.right - visible.left;
        *height = visible.bottom - visible.top;
    }
    if (!wasVisible) ShowWindow(window, SW_HIDE);
    return ok;
}

bool writePng(HWND window, const std::string& path) {
    int w = 0;
    int h = 0;
    std::vector<std::uint8_t> rgb;
    std::vector<std::uint8_t> png;
    if (!capture(window, &w, &h, &rgb) || !ui::encodePng(w, h, rgb, &png)) return false;
    FILE* f = _wfopen(wide(path).c_str(), L"wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

} // namespace win32picture
