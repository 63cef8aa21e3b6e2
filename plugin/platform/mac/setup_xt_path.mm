#include "bundle.h"

#import <AppKit/AppKit.h>

#include "my_pool.h"
#include "plugin/core/module_info.h"
#include "plugin/dialogs/msgbox.h"

NSBundle* gBundleRef = nil;
NSString* const kPlxBundleIdentifier = @"com.korvane.plexmoor";

namespace {

// The bundle that holds the loaded module: the nearest folder above it
// whose name ends in ".bundle" or ".xnt" (Plexmoor.bundle/Plexmoor here,
// Plexmoor.xnt/Contents/MacOS/Plexmoor on macOS). NSBundle's own look-up
// by class does not know code loaded with dlopen on GNUstep.
NSBundle* bundleAroundModule() {
    if (!gModulePath[0]) return nil;
    NSString* path = [NSString stringWithUTF8String:gModulePath];
    for (int up = 0; path && up < 4; ++up) {
        path = [path stringByDeletingLastPathComponent];
        NSString* ext = [path pathExtension];
        if ([ext isEqualToString:@"bundle"] || [ext isEqualToString:@"xnt"])
            return [NSBundle bundleWithPath:path];
    }
    return nil;
}

} // namespace

void setupXTPath(NSString* bundleIdentifier) {
    MyPool pool;
    // A Cocoa host runs its application already; this only makes sure the
    // application object exists before any window is made.
    if (!NSApp) [NSApplication sharedApplication];

    [gBundleRef release];
    gBundleRef = nil;
    NSArray* folders =
        NSSearchPathForDirectoriesInDomains(NSApplicationSupportDirectory, NSUserDomainMask, YES);
    if ([folders count] > 0) {
        NSString* installed = [[[[[folders objectAtIndex:0] stringByAppendingPathComponent:@"Quark"]
            stringByAppendingPathComponent:@"QuarkXPress 2017"]
            stringByAppendingPathComponent:@"XTensions"]
            stringByAppendingPathComponent:@"Plexmoor.xnt"];
        if ([[NSFileManager defaultManager] fileExistsAtPath:installed])
            gBundleRef = [NSBundle bundleWithPath:installed];
    }
    if (!gBundleRef && bundleIdentifier) gBundleRef = [NSBundle bundleWithIdentifier:bundleIdentifier];
    if (!gBundleRef) gBundleRef = bundleAroundModule();
    [gBundleRef retain];
    if (!gBundleRef) msgBox("Internal error: gBundleRef = NULL");
}

NSString* pathForResource(NSString* name, NSString* type) {
    if (!gBundleRef || !name) return nil;
    NSString* path = [gBundleRef pathForResource:name ofType:type];
    // Resource files carry lower-case extensions; callers may ask for "XML".
    if (!path && type) path = [gBundleRef pathForResource:name ofType:[type lowercaseString]];
    return path;
}
