#include "plx_prefs_controller.h"

#include "dialogs/dlg_cocoa.h"

#include <string>

#include "plugin/settings/prefs.h"
#include "plugin/support/mystrings.h"

namespace {

// The panel's size and its check boxes' places, in points, as the panel's
// window description lays them out.
constexpr CGFloat kPanelWidth = 273;
constexpr CGFloat kPanelHeight = 158;

// The own window's buttons, at the foot of the panel beneath the check
// boxes: Cancel, then OK at the right, as Mac panels place them.
constexpr CGFloat kButtonWidth = 90;
constexpr CGFloat kButtonHeight = 24;
constexpr CGFloat kButtonMargin = 16;

NSButton* addButton(NSView* view, NSInteger tag, const char* key, CGFloat right, id target,
                    SEL action, NSString* keyEquivalent) {
    NSButton* button = [[[NSButton alloc]
        initWithFrame:NSMakeRect(right - kButtonWidth, kButtonMargin, kButtonWidth, kButtonHeight)]
        autorelease];
    [button setButtonType:NSMomentaryPushInButton];
    [button setBezelStyle:NSRoundedBezelStyle];
    std::string title = localizeString(key);
    [button setTitle:[NSString stringWithUTF8String:title.c_str()]];
    [button setTag:tag];
    [button setTarget:target];
    [button setAction:action];
    [button setKeyEquivalent:keyEquivalent];
    [view addSubview:button];
    return button;
}

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

- (void)ok:(id)sender {
    (void)sender;
    [self saveSettings];
    [NSApp stopModalWithCode:NSOKButton];
    wakeModalRun();
}

- (void)cancel:(id)sender {
    (void)sender;
    // Cocoa's abortModal ends the run by an exception; stopping it with
    // the code abortModal gives ends it the same way without one.
    [NSApp stopModalWithCode:NSRunAbortedResponse];
    wakeModalRun();
}

- (NSInteger)runModal {
    if (!_window) {
        NSRect frame = [_view frame];
        _window = [[NSPanel alloc] initWithContentRect:NSMakeRect(0, 0, frame.size.width,
                                                                  frame.size.height)
                                             styleMask:NSTitledWindowMask
                                               backing:NSBackingStoreBuffered
                                                 defer:NO];
        [_window setReleasedWhenClosed:NO];
        [_window setTitle:[self title]];
        NSView* content = [_window contentView];
        [_view setFrameOrigin:NSZeroPoint];
        [content addSubview:_view];
        CGFloat right = frame.size.width - kButtonMargin;
        NSButton* ok = addButton(content, 1, "ok", right, self, @selector(ok:), @"\r");
        addButton(content, 2, "cancel", right - kButtonWidth - 8, self, @selector(cancel:),
                  @"\033");
        [_window setDefaultButtonCell:[ok cell]];
        [_window center];
    }
    NSInteger result = [NSApp runModalForWindow:_window];
    [_window orderOut:nil];
    return result;
}

+ (NSInteger)runModal {
    PlxPrefsController* controller = [[PlxPrefsController alloc] init];
    NSInteger result = [controller runModal];
    [controller release];
    return result;
}

@end
