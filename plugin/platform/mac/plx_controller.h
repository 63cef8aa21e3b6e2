// PlxController: the plug-in in the host's Cocoa user interface. One
// instance, made by setup at activation and released by cleanup at quit,
// registers with the host's callback object (xt/QXPXTCallback.h): code 6
// builds the submenu "Plexmoor" under the main menu's item tagged 9, 318
// adds the context-menu entry, 728 and 279 add the output-style and
// preferences panels; 768 (the output-style editor ends) goes through the
// set-up record. The menu items are validated by validateMenuItem: and
// carry out their commands through their actions. Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include <cstdint>

@interface PlxController : NSObject {
    id _addMenuProc;
    id _contextMenuProc;
    NSMenuItem* _exportPagesCmd;
    NSMenuItem* _exportBoxCmd;
    NSMenuItem* _prefsCmd;
    NSMenuItem* _aboutCmd;
    id _outputStylesCB;
    id _appPrefsCB;
}
+ (void)setup;
+ (void)cleanup;
// The one controller, nil before setup and after cleanup.
+ (PlxController*)sharedController;

- (id)registerCallback:(int32_t)code selector:(SEL)selector;
- (NSMenuItem*)addMenuItem:(NSMenu*)menu name:(const char*)key action:(SEL)action;

- (int32_t)doAddMenuItems:(void*)cbRecord;
- (BOOL)validateMenuItem:(NSMenuItem*)item;
- (int32_t)doContextMenu:(void*)cbRecord;
- (int32_t)doOutputStyles:(void*)cbRecord;
- (int32_t)doAppPrefs:(void*)cbRecord;
- (int32_t)stylesPanelDone:(void*)cbRecord;

- (void)doExportPages:(id)sender;
- (void)doExportBox:(id)sender;
- (void)doPrefs:(id)sender;
- (void)doAbout:(id)sender;
@end
