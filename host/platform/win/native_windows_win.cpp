// The host's windows with plug-in panels on Win32: the preferences window
// and the output-style editor fill a Win32PanelWindow as they fill the
// headless one (preferences_window.cpp, style_editor.cpp).
#include "host/native_windows.h"

#include "host/platform/win/win32_panel_window.h"

namespace plxhost {

bool haveNativeWindows() {
    return true;
}

std::unique_ptr<HostPanelWindow> makeNativePanelWindow(Host& host, const std::string& title,
                                                       const std::string& hostTab,
                                                       const std::string& okTitle) {
    return std::make_unique<Win32PanelWindow>(host, title, hostTab, okTitle);
}

} // namespace plxhost
