// No native windows for the host on POSIX systems: the headless window
// system shows them (the macOS build's Cocoa side lives in platform/mac).
#include "host/native_windows.h"

namespace plxhost {

bool haveNativeWindows() {
    return false;
}
XTWindowRef openNativeMainWindow(Host&) {
    return 0;
}
void closeNativeMainWindow(XTWindowRef) {}
void showNativeMenuBar(Host&, XTMenu_*) {}
int runNativePreferencesWindow(Host&) {
    return 0;
}
int runNativeOutputStylesWindow(Host&) {
    return 0;
}
int editNativeOutputStyle(Host&, OutputStyleRef) {
    return 0;
}

} // namespace plxhost
