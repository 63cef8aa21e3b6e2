// PlxPrefsController: the plug-in's panel in the host's preferences window
// (code 279). Its view holds the three check boxes of the preferences
// dialog, tagged as the dialog's controls (3 "lastFolder", 4 "logging",
// 5 "addAlways"), set from the settings when the panel is made; the host
// sends savePreferences when its window is confirmed. The panel can also
// run by itself, in a window of its own titled "Plexmoor" with OK (tag 1,
// Return: stores, then ends the run with 1) and Cancel (tag 2, Escape:
// ends it with NSRunAbortedResponse, storing nothing). Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

@interface PlxPrefsController : NSObject {
    NSWindow* _window;
    NSView* _view;
    NSButton* _lastFolderBtn;
    NSButton* _loggingBtn;
    NSButton* _addAlwaysBtn;
}
- (NSView*)view;
- (NSString*)title;
// Stores what the check boxes show, then saves the settings file.
- (void)saveSettings;
// The host's preferences window: the values are always acceptable (0),
// stored when the window is confirmed, and nothing is stored on cancel.
- (int)verifyPreferences;
- (void)savePreferences;
- (void)cancelPreferences;
// The panel's own window: OK and Cancel end its modal run.
- (void)ok:(id)sender;
- (void)cancel:(id)sender;
// Runs the panel in its own window modally, then hides the window; the
// code the run ended with.
- (NSInteger)runModal;
// A controller made, run by itself and released.
+ (NSInteger)runModal;
@end
