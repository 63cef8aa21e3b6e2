// The stand-in host's Cocoa side (the macOS build on GNUstep): the
// application object with its main menu, and the callback object
// QXPXTCallback (xt/QXPXTCallback.h) through which Cocoa plug-ins register
// their handlers. Plain C++ interface; the implementation is Objective-C++.
#pragma once

namespace plxhost {

// Starts the application once per process, before the first plug-in
// loads, as a Cocoa host runs its application before it loads plug-ins:
// no window decorations or application icon of the window system's own
// (set before the application starts, so that a run under Xvfb without a
// window manager shows the windows alone), and a main menu with the
// application's menu, "File", "Edit" (the third: its items "Output
// Styles…" and "Preferences…" send outputStylesAction: and
// preferencesAction:, which run the host's windows modally) and
// "Utilities", tagged kXTMenuTagUtilities for plug-in submenus.
void startCocoaHost();

} // namespace plxhost
