// The plug-in's own bundle and the resources in it. Objective-C++ only.
//
// Plexmoor.bundle holds the module and, in its resources, the string
// tables, the window descriptions and the icon. On macOS the bundle is
// Contents/MacOS/Plexmoor with Contents/Info.plist and Contents/Resources;
// GNUstep lays the same bundle out as Plexmoor.bundle/Plexmoor with
// Resources/Info-gnustep.plist, and NSBundle reads either.
#pragma once

#import <Foundation/Foundation.h>

// The plug-in's bundle, found at activation by setupXTPath; nil until then
// or when it was not found. Retained for the life of the module.
extern NSBundle* gBundleRef;

// The identifier in the bundle's Info plist.
extern NSString* const kPlxBundleIdentifier;

// Finds the plug-in's bundle (activation): starts the Cocoa application
// environment, then takes the bundle installed in the host's XTensions
// folder under Application Support when there is one, else the bundle
// already loaded under `bundleIdentifier`, else the bundle around the
// loaded module. Without a bundle it shows "Internal error: gBundleRef =
// NULL" and activation goes on.
void setupXTPath(NSString* bundleIdentifier);

// The path of the resource file name.type in gBundleRef; nil when there is
// no bundle or no such file.
NSString* pathForResource(NSString* name, NSString* type);
