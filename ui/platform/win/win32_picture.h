// Pictures of real Win32 windows as PNG files: what a person sees of a
// window, frame and title bar included.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace win32picture {

// The window as width x height RGB pixels, top row first: drawn by the
// window itself into a bitmap (PrintWindow), so windows behind or above it
// do not matter. False for a window that is gone or has no size.
bool capture(HWND window, int* width, int* height, std::vector<std::uint8_t>* rgb);

// Captures the window and writes it to `path` (UTF-8) as PNG.
bool writePng(HWND window, const std::string& path);

} // namespace win32picture
