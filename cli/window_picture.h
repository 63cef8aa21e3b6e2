// Pictures of the plug-in's windows as the platform draws them (PNG), for
// the builds whose windows are the platform's own (the Cocoa windows of
// the macOS build). `plexmoor window NAME -o FILE.png` asks for one; the
// window system's own pictures are SVG.
#pragma once

#include <string>

#include "cli/session.h"

namespace plxcli {

// Draws the plug-in's window NAME, shown as a person sees it, into the
// PNG file at `path`. False with *error set when this build draws no such
// pictures, the window is not one of the platform's own, or the file
// cannot be written.
bool writeWindowPicture(Session& session, const std::string& name, const std::string& path,
                        std::string* error);

} // namespace plxcli
