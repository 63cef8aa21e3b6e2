// Outlines of the plug-in's Cocoa windows: the panel the host's window
// request built, walked as Cocoa holds it (ui/platform/mac/cocoa_outline.h).
// The request's handle is the plug-in toolkit's number, not the panel;
// the panel is the one made and not shown, of NSPanel itself (the menus',
// alerts' and save panels' windows are of classes of their own).
#include "cli/window_outline.h"

#import <AppKit/AppKit.h>

#include "ui/platform/mac/cocoa_outline.h"

namespace plxcli {

namespace {

NSWindow* requestedPanel() {
    NSWindow* found = nil;
    for (NSWindow* window in [NSApp windows])
        if ([window class] == [NSPanel class] && ![window isVisible]) found = window;
    return found;
}

} // namespace

bool outlineNativeWindow(std::uint32_t window, ui::WindowOutline* outline) {
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    bool done = false;
    if (window != 0) {
        NSWindow* panel = requestedPanel();
        done = cocoaperson::outline(panel, outline);
        // The plug-in's toolkit keeps the panel; it goes with the process.
        [panel orderOut:nil];
    }
    [pool drain];
    return done;
}

} // namespace plxcli
