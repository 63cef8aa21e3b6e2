// The picture format `plexmoor window NAME -o FILE` writes for the plug-in's
// windows on this platform: SVG of the headless window system's windows,
// PNG of the Win32 windows the Windows build shows.
#pragma once

namespace plxtest {

// ".svg" or ".png".
const char* windowPictureExtension();

} // namespace plxtest
