#include "host/host_panel_window.h"

#include "host/host.h"
#include "host/native_windows.h"
#include "host/panel_window.h"

namespace plxhost {

HostPanelWindow::HostPanelWindow(Host& host)
    : host_(host), session_(host, *this, kFirstPanelId) {}

HostPanelWindow::~HostPanelWindow() = default;

std::unique_ptr<HostPanelWindow> makePanelWindow(Host& host, const std::string& title,
                                                 const std::string& hostTab,
                                                 const std::string& okTitle) {
    if (host.usesNativeWindows())
        if (std::unique_ptr<HostPanelWindow> native =
                makeNativePanelWindow(host, title, hostTab, okTitle))
            return native;
    return std::make_unique<PanelWindow>(host, title, hostTab, okTitle);
}

} // namespace plxhost
