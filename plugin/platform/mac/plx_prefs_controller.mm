#include "plx_prefs_controller.h"

#include <string>

#include "plugin/settings/prefs.h"
#include "plugin/support/mystrings.h"

namespace {

// The panel's size and its check boxes' places, in points, as the panel's
// window description lays them out.
constexpr CGFloat kPanelWidth = 273;
constexpr CGFloat kPanelHeight = 158;

NSButton* addCheckBox(NSView* view, NSInteger tag, const char* key, CGFloat top, bool on) {
    NSButton* box = [[[NSButton alloc]
        initWithFrame:NSMakeRect(18, kPanelHeight - top - 15, 225, 15)] autorelease];
    [box setButtonType:NSSwitchButton];
    std::string title = localizeString(key);
    [box setTitle:[NSString stringWithUTF8String:title.c_str()]];
    [box setTag:tag];
    [box setState:on ? NSOnState : NSOffState];
    [view addSubview:box];
    return box;
}

} // namespace

@implementation PlxPrefsController

- (id)init {
    self = [super init];
    if (!self) return nil;
    _view = [[NSView alloc] initWithFrame:NSMakeRect(0, 0, kPanelWidth, kPanelHeight)];
    _lastFolderBtn =
        [addCheckBox(_view, 3, "lastFolder", 20, getUseLastFolder(nullptr) != 0) retain];
    _loggingBtn = [addCheckBox(_view, 4, "logging", 46, getLogging() != 0) retain];
    _addAlwaysBtn = [addCheckBox(_view, 5, "addAlways", 72, getAddAlways() != 0) retain];
    return self;
}

- (void)dealloc {
    [_window release];
    [_view release];
    [_lastFolderBtn release];
    [_loggingBtn release];
    [_addAlwaysBtn release];
    [super dealloc];
}

- (NSView*)view {
    return _view;
}

- (NSString*)title {
    return @"Plexmoor";
}

- (void)saveSettings {
    // As the host's panel stores them: the log switches first, the folder
    // stays as it is either way.
    setLogging([_loggingBtn state] == NSOnState ? 1 : 0);
    setUseLastFolder([_lastFolderBtn state] == NSOnState ? 1 : 0, nullptr);
    setAddAlways([_addAlwaysBtn state] == NSOnState ? 1 : 0);
    savePrefs();
}

- (int)verifyPreferences {
    return 0;
}

- (void)savePreferences {
    [self saveSettings];
}

- (void)cancelPreferences {
}

@end
