// Outlines of the plug-in's windows where they are the platform's own (the
// Win32 windows of the Windows build, the Cocoa windows of the macOS
// build), for `plexmoor window NAME -o FILE.svg` there: the window the
// host's window request built, walked as the system shows it
// (ui/outline_svg.h). The window system's own windows are drawn by
// ui/picture.h instead.
#pragma once

#include <cstdint>
#include <string>

#include "ui/outline_svg.h"

namespace plxcli {

// The outline of the platform's window the window request handed over as
// `window`, which is taken down afterwards. False when this build's plug-in
// windows are not the platform's, or `window` is none of them (then it may
// be the window system's). Asked before the window system: the plug-in's
// own handles (the macOS toolkit's numbers) can be numbers the window
// system also uses.
bool outlineNativeWindow(std::uint32_t window, ui::WindowOutline* outline);

} // namespace plxcli
