// The plug-in's submenu in the macOS build: the Cocoa plug-in puts it into
// the application's main menu (under the item tagged kXTMenuTagUtilities),
// not into the host's own menus. A person finds it there; each command is
// validated by its target as a Cocoa menu asks before it shows, and chosen
// by sending its action. What the rest of the program reads is a copy of
// the submenu in the host's form: the items' texts, whether each is
// enabled, and their places as command numbers (1, 2, …).
#include "cli/plugin_menu.h"

#import <AppKit/AppKit.h>

#include <vector>

#include "cli/messages.h"
#include "host/platform/mac/qxp_callback.h"
#include "xt/QXPXTCallback.h"

namespace plxcli {

namespace {

constexpr const char* kPluginMenuTitle = "Plexmoor";

XTMenu_ sCopy;

// The plug-in's Cocoa submenu; nil when it added none.
NSMenu* cocoaSubmenu(plxhost::Host& host) {
    // Building the host's main menu sends code 6, to Cocoa plug-ins too.
    host.menus().mainMenu();
    NSMenuItem* utilities = (NSMenuItem*)[[NSApp mainMenu] itemWithTag:kXTMenuTagUtilities];
    NSMenuItem* found = nil;
    // The last one: a submenu made by an earlier host of this process
    // stays in the application's menu.
    for (NSMenuItem* item in [[utilities submenu] itemArray])
        if ([item hasSubmenu] && [[item title] isEqualToString:[NSString stringWithUTF8String:kPluginMenuTitle]]) found = item;
    return [found submenu];
}

std::vector<NSMenuItem*> commandsOf(NSMenu* menu) {
    std::vector<NSMenuItem*> out;
    for (NSMenuItem* item in [menu itemArray])
        if (![item isSeparatorItem]) out.push_back(item);
    return out;
}

bool validated(NSMenuItem* item) {
    id target = [item target];
    if ([target respondsToSelector:@selector(validateMenuItem:)])
        return [target validateMenuItem:item];
    return [item isEnabled];
}

} // namespace

XTMenu_* contextMenuShown(plxhost::Host& host) {
    static XTMenu_ shown;
    XTMenu_* hosts = host.menus().contextMenu();
    if (!hosts) return nullptr;
    shown = *hosts;
    // What the plug-in appended to the Cocoa menu the host made for it.
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    int16_t place = 0;
    for (NSMenuItem* item in [[[QXPXTCallback sharedInstance] lastContextMenu] itemArray]) {
        plxhost::MenuItem copy;
        if (![item isSeparatorItem]) {
            const char* title = [[item title] UTF8String];
            copy.text = title ? title : "";
            copy.command = ++place;
            copy.enabled = validated(item);
        }
        shown.items.push_back(copy);
    }
    [pool drain];
    return &shown;
}

XTMenu_* pluginSubmenu(plxhost::Host& host, std::string* error) {
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    NSMenu* menu = cocoaSubmenu(host);
    sCopy = XTMenu_{};
    sCopy.title = kPluginMenuTitle;
    int16_t place = 0;
    for (NSMenuItem* item in [menu itemArray]) {
        plxhost::MenuItem copy;
        if (![item isSeparatorItem]) {
            const char* title = [[item title] UTF8String];
            copy.text = title ? title : "";
            copy.command = ++place;
            copy.enabled = validated(item);
        }
        sCopy.items.push_back(copy);
    }
    [pool drain];
    if (menu) return &sCopy;
    if (error) *error = say("the plug-in added no menu to the host");
    return nullptr;
}

const plxhost::MenuItem* pluginCommand(plxhost::Host& host, PluginCommand which,
                                       std::string* error) {
    XTMenu_* submenu = pluginSubmenu(host, error);
    if (!submenu) return nullptr;
    std::vector<const plxhost::MenuItem*> commands;
    for (const plxhost::MenuItem& item : submenu->items)
        if (!item.separator()) commands.push_back(&item);
    if (static_cast<size_t>(which) >= commands.size()) {
        if (error) *error = say("the plug-in's menu lacks the command");
        return nullptr;
    }
    return commands[static_cast<size_t>(which)];
}

bool choosePluginCommand(plxhost::Host& host, PluginCommand which, std::string* error) {
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    std::vector<NSMenuItem*> commands = commandsOf(cocoaSubmenu(host));
    bool chosen = false;
    if (static_cast<size_t>(which) >= commands.size()) {
        if (error) *error = say("the plug-in added no menu to the host");
    } else if (NSMenuItem* item = commands[static_cast<size_t>(which)]; !validated(item)) {
        const char* title = [[item title] UTF8String];
        if (error) *error = say("\"%1\" is not available now", {title ? title : ""});
    } else {
        [NSApp sendAction:[item action] to:[item target] from:item];
        // Whatever the command output is on disk before it counts as done.
        host.printEngine().endRun();
        chosen = true;
    }
    [pool drain];
    return chosen;
}

} // namespace plxcli
