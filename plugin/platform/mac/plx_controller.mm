#include "plx_controller.h"

#include "my_log.h"
#include "plx_prefs_controller.h"
#include "plx_styles_controller.h"
#include "plugin/styles/style_data.h"
#include "plugin/core/about.h"
#include "plugin/core/menu_install.h"
#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/export_run.h"
#include "plugin/settings/prefs_dialog.h"
#include "plugin/support/mystrings.h"
#include "xt/QXPXTCallback.h"
#include "xt/xtcallbacks.h"

namespace {

PlxController* sController = nil;
// The output-style panel being shown, from code 728 to 768.
PlxStylesController* sStylesPanel = nil;

// Registrations with the host's callback object carry flags 1; those
// through the set-up record the plug-in's own flags.
constexpr int32_t kCocoaCallbackFlags = 1;

// The NSMenu a menu record carries after its header.
NSMenu* menuOfRecord(void* cbRecord) {
    return cbRecord ? static_cast<NSMenu*>(static_cast<XTMenuRec*>(cbRecord)->menu) : nil;
}

int32_t stylesPanelDoneCallback(void* cbRecord) {
    return sController ? [sController stylesPanelDone:cbRecord] : 0;
}

} // namespace

void installMenus() {
    [PlxController setup];
}

void removeMenus() {
    [PlxController cleanup];
}

@implementation PlxController

+ (void)setup {
    if (!sController) sController = [self new];
}

+ (void)cleanup {
    [sController release];
    sController = nil;
}

+ (PlxController*)sharedController {
    return sController;
}

- (id)init {
    self = [super init];
    if (!self) return nil;
    _addMenuProc = [self registerCallback:kXTCBAddMenus selector:@selector(doAddMenuItems:)];
    _contextMenuProc = [self registerCallback:kXTCBContextMenu selector:@selector(doContextMenu:)];
    _outputStylesCB = [self registerCallback:kXTCBOutputStyles selector:@selector(doOutputStyles:)];
    _appPrefsCB = [self registerCallback:kXTCBAppPrefs selector:@selector(doAppPrefs:)];
    if (xtsetupptr)
        xtsetupptr->registerCallback(kXTCBStylesPanelDone, stylesPanelDoneCallback,
                                     kPlxRegistrationFlags, kPlxRegistrationPriority, 0);
    return self;
}

- (void)dealloc {
    [_addMenuProc release];
    [_contextMenuProc release];
    [_exportPagesCmd release];
    [_exportBoxCmd release];
    [_prefsCmd release];
    [_aboutCmd release];
    [_outputStylesCB release];
    [_appPrefsCB release];
    [super dealloc];
}

- (id)registerCallback:(int32_t)code selector:(SEL)selector {
    // Looked up by name: the class lives in the host, not in a framework
    // this module links.
    QXPXTCallback* host = [NSClassFromString(@"QXPXTCallback") sharedInstance];
    id registration = [host registerCallback:kPlxId
                                   forCBCode:code
                                   withFlags:kCocoaCallbackFlags
                                    priority:kPlxRegistrationPriority
                                  withTarget:self
                                withSelector:selector];
    return [registration retain];
}

- (NSMenuItem*)addMenuItem:(NSMenu*)menu name:(const char*)key action:(SEL)action {
    std::string title = localizeString(key);
    NSString* text = [NSString stringWithUTF8String:title.c_str()];
    // GNUstep declares menu items as id<NSMenuItem>; Cocoa as NSMenuItem.
    NSMenuItem* item = (NSMenuItem*)[menu addItemWithTitle:(text ? text : @"")
                                                   action:action
                                            keyEquivalent:@""];
    [item setTarget:self];
    return item;
}

- (int32_t)doAddMenuItems:(void*)cbRecord {
    NSMenu* mainMenu = menuOfRecord(cbRecord);
    NSMenuItem* hostItem = (NSMenuItem*)[mainMenu itemWithTag:kXTMenuTagUtilities];
    NSMenu* hostMenu = [hostItem submenu];
    if (!hostMenu) return 0;

    NSMenu* menu = [[[NSMenu alloc] initWithTitle:@kPlxProductName] autorelease];
    NSMenuItem* item = [[[NSMenuItem alloc] initWithTitle:@kPlxProductName
                                                   action:NULL
                                            keyEquivalent:@""] autorelease];
    [item setSubmenu:menu];
    [hostMenu addItem:item];

    [_exportPagesCmd release];
    [_exportBoxCmd release];
    [_prefsCmd release];
    [_aboutCmd release];
    _exportPagesCmd = [[self addMenuItem:menu name:"exportPagesCmd…"
                                  action:@selector(doExportPages:)] retain];
    _exportBoxCmd = [[self addMenuItem:menu name:"exportBoxCmd…"
                                action:@selector(doExportBox:)] retain];
    [menu addItem:[NSMenuItem separatorItem]];
    _prefsCmd = [[self addMenuItem:menu name:"prefsCmd…" action:@selector(doPrefs:)] retain];
    _aboutCmd = [[self addMenuItem:menu name:"aboutCmd…" action:@selector(doAbout:)] retain];
    return 0;
}

- (BOOL)validateMenuItem:(NSMenuItem*)item {
    SEL action = [item action];
    if (action == @selector(doAbout:) || action == @selector(doPrefs:)) return YES;
    if (action == @selector(doExportPages:)) return xtGetCurDocRef() != -1;
    if (action == @selector(doExportBox:)) return xtGetCurBox() != nullptr;
    return NO;
}

- (int32_t)doContextMenu:(void*)cbRecord {
    NSMenu* menu = menuOfRecord(cbRecord);
    MyLog(@"doContextMenu: %@", menu);
    if (!menu) return 0;
    [menu addItem:[NSMenuItem separatorItem]];
    if (xtGetCurBox())
        [self addMenuItem:menu name:"exportBoxCmd…" action:@selector(doExportBox:)];
    else
        [self addMenuItem:menu name:"exportPagesCmd…" action:@selector(doExportPages:)];
    return 0;
}

- (int32_t)doOutputStyles:(void*)cbRecord {
    auto* rec = static_cast<XTOutputStylesRec*>(cbRecord);
    id<QXPPanelContainer> container = rec ? (id<QXPPanelContainer>)rec->container : nil;
    if (!container) return 0;
    uint32_t medium = outputMediaForStyle(rec->style);
    if (medium != kXTMediumEPS && medium != kXTMediumPDF) return 0;
    [sStylesPanel release];
    sStylesPanel = [[PlxStylesController alloc] initWithStyleRef:rec->style mediaRef:medium];
    [sStylesPanel setParent:container];
    [container addView:sStylesPanel];
    return 0;
}

- (int32_t)doAppPrefs:(void*)cbRecord {
    auto* rec = static_cast<XTAppPrefsRec*>(cbRecord);
    id<QXPPanelContainer> container = rec ? (id<QXPPanelContainer>)rec->container : nil;
    if (!container) return 0;
    PlxPrefsController* panel = [PlxPrefsController new];
    [container addView:panel];
    [panel release];
    return 0;
}

- (int32_t)stylesPanelDone:(void*)cbRecord {
    if (!sStylesPanel) return 0;
    auto* rec = static_cast<XTStylesPanelDoneRec*>(cbRecord);
    if (rec && rec->value == kXTStylesEditorSaved) [sStylesPanel saveSettings];
    [sStylesPanel release];
    sStylesPanel = nil;
    return 0;
}

- (void)doExportPages:(id)sender {
    (void)sender;
    doExport(0);
}

- (void)doExportBox:(id)sender {
    (void)sender;
    doExport(1);
}

- (void)doPrefs:(id)sender {
    (void)sender;
    doPrefsDlg();
}

- (void)doAbout:(id)sender {
    (void)sender;
    doAbout1(nullptr);
}

@end
