// The plug-in's windows are the window system's here; ui/picture.h draws
// them.
#include "cli/window_outline.h"

namespace plxcli {

bool outlineNativeWindow(std::uint32_t, ui::WindowOutline*) {
    return false;
}

} // namespace plxcli
