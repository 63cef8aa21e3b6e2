#include "host/platform/mac/cocoa_host.h"

#import <AppKit/AppKit.h>

#include "host/host.h"
#include "host/preferences_window.h"
#include "host/style_editor.h"
#include "ui/platform/mac/cocoa_modal.h"
#include "xt/QXPXTCallback.h"

// The target of the host's own items in its Cocoa main menu. Plug-ins
// reach the output-style editor through the item whose action is
// outputStylesAction: in the main menu's third menu ("Edit"), as Cocoa
// plug-ins of the host do; each action runs the host's window modally and
// returns when it has closed.
@interface PlexhostMenuTarget : NSObject
- (void)outputStylesAction:(id)sender;
- (void)preferencesAction:(id)sender;
@end

@implementation PlexhostMenuTarget

- (void)outputStylesAction:(id)sender {
    (void)sender;
    if (plxhost::Host* host = plxhost::Host::current()) plxhost::runOutputStylesWindow(*host);
}

- (void)preferencesAction:(id)sender {
    (void)sender;
    if (plxhost::Host* host = plxhost::Host::current()) plxhost::runPreferencesWindow(*host);
}

- (BOOL)validateMenuItem:(NSMenuItem*)item {
    (void)item;
    return plxhost::Host::current() != nullptr;
}

@end

namespace plxhost {

namespace {

NSMenu* addSubmenu(NSMenu* mainMenu, NSString* title, NSInteger tag) {
    NSMenu* menu = [[[NSMenu alloc] initWithTitle:title] autorelease];
    NSMenuItem* item = [[[NSMenuItem alloc] initWithTitle:title action:NULL keyEquivalent:@""]
        autorelease];
    [item setTag:tag];
    [item setSubmenu:menu];
    [mainMenu addItem:item];
    return menu;
}

void addCommand(NSMenu* menu, const char* title, SEL action, id target) {
    NSMenuItem* item = [[[NSMenuItem alloc] initWithTitle:[NSString stringWithUTF8String:title]
                                                   action:action
                                            keyEquivalent:@""] autorelease];
    [item setTarget:target];
    [menu addItem:item];
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

    // The application's menu, File, Edit (the third, with the host's
    // windows), Utilities (tagged for plug-in submenus). The target lives
    // as long as the menu, which is the process's.
    static PlexhostMenuTarget* target = [[PlexhostMenuTarget alloc] init];
    NSMenu* mainMenu = [[[NSMenu alloc] initWithTitle:@"Plexhost"] autorelease];
    addSubmenu(mainMenu, @"Plexhost", 0);
    addSubmenu(mainMenu, @"File", 0);
    NSMenu* edit = addSubmenu(mainMenu, @"Edit", 0);
    addCommand(edit, "Output Styles\xE2\x80\xA6", @selector(outputStylesAction:), target);
    addCommand(edit, "Preferences\xE2\x80\xA6", @selector(preferencesAction:), target);
    addSubmenu(mainMenu, @"Utilities", kXTMenuTagUtilities);
    [NSApp setMainMenu:mainMenu];
    // The callback object exists before any plug-in asks for it by name.
    [QXPXTCallback sharedInstance];
    [pool drain];
}

} // namespace plxhost
