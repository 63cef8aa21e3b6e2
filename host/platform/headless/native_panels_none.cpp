// Plug-ins hand this host templates only: no panels of the platform's own.
#include "host/native_panels.h"

namespace plxhost {

std::unique_ptr<NativePanels> takeNativePanels(ui::Handle) {
    return nullptr;
}

} // namespace plxhost
