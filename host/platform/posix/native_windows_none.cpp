// No native windows for the host on POSIX systems: the headless window
// system shows them (the macOS build's Cocoa side lives in platform/mac).
#include "host/native_windows.h"

#include "host/host_panel_window.h"

namespace plxhost {

bool haveNativeWindows() {
    return false;
}
XTWindowRef openNativeMainWindow(Host&) {
    return 0;
}
void closeNativeMainWindow(XTWindowRef) {}
void showNativeMenuBar(Host&, XTMenu_*) {}
std::unique_ptr<HostPanelWindow> makeNativePanelWindow(Host&, const std::string&,
                                                       const std::string&, const std::string&) {
    return nullptr;
}
int runNativeOutputStylesWindow(Host&) {
    return 0;
}

} // namespace plxhost
