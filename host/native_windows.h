// The host's windows as the platform's own, for a host that asks for them
// (HostOptions::nativeWindows) in a build that has them: the main window
// with its menu bar, the context menu, the preferences window and the
// output-style editor. Plug-ins then build their panels into the platform's
// windows, so a host asks for these only with a plug-in whose dialogs are
// the platform's too. Elsewhere these windows are the headless window
// system's, as the portable files make them.
//
// One file per platform: host/platform/win (Win32); the POSIX builds have
// none (platform/posix/native_windows_none.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "xt/xttypes.h"

struct XTMenu_;

namespace plxhost {

class Host;
class HostPanelWindow;

// Whether this build has native windows for the host.
bool haveNativeWindows();

// Opens the host's main window (the owner of every other window; the
// screen group hands it to plug-ins); 0 without native windows.
XTWindowRef openNativeMainWindow(Host& host);
void closeNativeMainWindow(XTWindowRef window);
// Gives the main window the main menu as its menu bar, now that it is built
// (the plug-ins' items included); later changes of items' states show each
// time a menu opens.
void showNativeMenuBar(Host& host, XTMenu_* mainMenu);

// The host's window with plug-in panels (host_panel_window.h) as the
// platform's own; null when the build has none.
std::unique_ptr<HostPanelWindow> makeNativePanelWindow(Host& host, const std::string& title,
                                                       const std::string& hostTab,
                                                       const std::string& okTitle);
// "Output Styles" (style_editor.h); 0 when the build has none.
int runNativeOutputStylesWindow(Host& host);

} // namespace plxhost
