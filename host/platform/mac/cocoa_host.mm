#include "host/platform/mac/cocoa_host.h"

#import <AppKit/AppKit.h>

#include "ui/platform/mac/cocoa_modal.h"
#include "xt/QXPXTCallback.h"

namespace plxhost {

namespace {

NSMenuItem* addSubmenu(NSMenu* mainMenu, NSString* title, NSInteger tag) {
    NSMenu* menu = [[[NSMenu alloc] initWithTitle:title] autorelease];
    NSMenuItem* item = [[[NSMenuItem alloc] initWithTitle:title action:NULL keyEquivalent:@""]
        autorelease];
    [item setTag:tag];
    [item setSubmenu:menu];
    [mainMenu addItem:item];
    return item;
}

} // namespace

void startCocoaHost() {
    static bool started = false;
    if (started) return;
    started = true;
    // The host's outermost pool, held for the whole run as a Cocoa
    // application's main() holds one; inner pools drain per callback.
    [[NSAutoreleasePool alloc] init];
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    NSDictionary* defaults = @{
        @"GSX11HandlesWindowDecorations" : [NSNumber numberWithBool:NO],
        @"GSSuppressAppIcon" : [NSNumber numberWithBool:YES],
    };
    [[NSUserDefaults standardUserDefaults] registerDefaults:defaults];
    // Of the class that tells whoever plays the user when windows run
    // modally; otherwise the application Cocoa makes.
    [PlexuiApplication sharedApplication];

    NSMenu* mainMenu = [[[NSMenu alloc] initWithTitle:@"plexhost"] autorelease];
    addSubmenu(mainMenu, @"Edit", 0);
    addSubmenu(mainMenu, @"Utilities", kXTMenuTagUtilities);
    [NSApp setMainMenu:mainMenu];
    // The callback object exists before any plug-in asks for it by name.
    [QXPXTCallback sharedInstance];
    [pool drain];
}

} // namespace plxhost
