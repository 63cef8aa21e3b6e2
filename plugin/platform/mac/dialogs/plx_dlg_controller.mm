#include "plx_dlg_controller.h"

#include "dlg_cocoa.h"
#include "my_pool.h"
#include "plugin/dialogs/dialog_builder.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/support/mystrings.h"
#include "xt/xttypes.h"

PlxWindow gHostMainWindow = 0;

namespace {

// Escape, as a button's key equivalent.
NSString* const kEscapeKey = @"\033";

// Dialogs made by createDialogWindow, kept until destroyDialogWindow.
NSMutableArray* sDetached = nil;

NSInteger modalResponse(int32_t result) {
    return static_cast<NSInteger>(result);
}

// Tab goes from control to control in the order the description made
// them (depth-first, containers before their children), wrapping round;
// controls that take no focus are passed over by Cocoa itself.
void linkKeyViews(NSWindow* panel, PlxWindow window) {
    NSView* first = nil;
    NSView* previous = nil;
    for (PlxWindow h : descendantsOf(window)) {
        id view = objectOf(h);
        if (![view isKindOfClass:[NSControl class]]) continue;
        if (previous)
            [previous setNextKeyView:view];
        else
            first = view;
        previous = view;
    }
    [previous setNextKeyView:first];
    [panel setAutorecalculatesKeyViewLoop:NO];
    if (first) [panel setInitialFirstResponder:first];
}

NSView* controlWithTag(PlxWindow window, NSInteger tag) {
    return static_cast<NSView*>(objectOf(getControl(window, static_cast<int32_t>(tag))));
}

} // namespace

@implementation PlxDlgController

- (id)initWithName:(const char*)name user:(void*)user {
    return [self initWithName:name user:user deferred:YES];
}

- (id)initWithName:(const char*)name user:(void*)user deferred:(BOOL)deferred {
    self = [super init];
    if (!self) return nil;
    _props = [NSMutableDictionary new];
    _user = user;
    WindowDesc desc;
    if (!name || !loadWindowDescription(name, &desc)) return self;
    _panel = [[NSPanel alloc] initWithContentRect:NSMakeRect(0, 0, desc.rect.w, desc.rect.h)
                                        styleMask:NSTitledWindowMask | NSClosableWindowMask
                                          backing:NSBackingStoreBuffered
                                            defer:deferred];
    if (!_panel) {
        msgBox("MyDlgController: _panel = NULL!");
        return self;
    }
    [_panel setReleasedWhenClosed:NO];
    _window = registerHandle(_panel, 0);
    setControllerOf(_window, self);
    setValueProperty(_window, xtFourCharCode(kPropUser), reinterpret_cast<intptr_t>(user));
    buildWindow(_window, desc);
    widenToFit([_panel contentView]);
    linkKeyViews(_panel, _window);
    [_panel center];
    return self;
}

- (void)dealloc {
    [self stopTimer];
    [_panel setDelegate:nil];
    forgetHandles(_window);
    [_panel release];
    [_props release];
    [super dealloc];
}

- (NSPanel*)panel {
    return _panel;
}

- (PlxWindow)window {
    return _window;
}

- (int32_t)runModal:(DlgSetupProc)setup {
    if (!_panel) return 0;
    if (![_panel delegate]) [_panel setDelegate:(id)self];

    NSView* cancel = controlWithTag(_window, 2);
    if ([cancel isKindOfClass:[NSButton class]]) {
        [(NSButton*)cancel setTarget:self];
        [(NSButton*)cancel setAction:@selector(doCancelBtn:)];
        [(NSButton*)cancel setKeyEquivalent:kEscapeKey];
    }
    NSView* ok = controlWithTag(_window, 1);
    if ([ok isKindOfClass:[NSButton class]]) {
        [(NSButton*)ok setTarget:self];
        [(NSButton*)ok setAction:@selector(doControl:)];
        [_panel setDefaultButtonCell:[(NSButton*)ok cell]];
    }

    if (setup) setup(_window, _user);
    int32_t result = _pendingResult;
    if (!_hasPendingResult) {
        _running = YES;
        result = static_cast<int32_t>([NSApp runModalForWindow:_panel]);
        _running = NO;
    }
    [self stopTimer];
    [_panel orderOut:nil];
    return result;
}

- (void)quitWithResult:(int32_t)result {
    [self stopTimer];
    if (!_running) {
        // Asked from the set-up, before the run began: the run ends at once.
        _pendingResult = result;
        _hasPendingResult = YES;
        return;
    }
    [NSApp stopModalWithCode:modalResponse(result)];
    wakeModalRun();
}

- (void)setHandler:(DlgControlProc)handler user:(void*)user forControl:(NSView*)control {
    NSNumber* key = [NSNumber numberWithInteger:[control tag]];
    if (!handler) {
        [_props removeObjectForKey:key];
        return;
    }
    ControlProperties props{1, handler, user, 0, 0, 0};
    [_props setObject:[NSValue valueWithBytes:&props objCType:@encode(ControlProperties)]
               forKey:key];
    if ([control respondsToSelector:@selector(setTarget:)]) {
        [(NSControl*)control setTarget:self];
        [(NSControl*)control setAction:@selector(doControl:)];
    }
}

- (BOOL)startTimer:(uint32_t)intervalMs proc:(DlgTimerProc)proc {
    [self stopTimer];
    if (!proc) return NO;
    _timerProc = proc;
    _timer = [[NSTimer timerWithTimeInterval:intervalMs / 1000.0
                                      target:self
                                    selector:@selector(timerFired:)
                                    userInfo:nil
                                     repeats:YES] retain];
    // A modal run only serves the modal panel mode.
    NSRunLoop* loop = [NSRunLoop currentRunLoop];
    [loop addTimer:_timer forMode:NSModalPanelRunLoopMode];
    [loop addTimer:_timer forMode:NSDefaultRunLoopMode];
    return YES;
}

- (void)stopTimer {
    [_timer invalidate];
    [_timer release];
    _timer = nil;
    _timerProc = nullptr;
}

- (void)timerFired:(NSTimer*)timer {
    (void)timer;
    MyPool pool;
    if (_timerProc) _timerProc(_window, _user);
}

- (void)doControl:(id)sender {
    NSInteger tag = [sender tag];
    if (tag <= 0) return;
    NSValue* value = [_props objectForKey:[NSNumber numberWithInteger:tag]];
    ControlProperties props{};
    if (value) [value getValue:&props];
    if (props.valid && props.handler) {
        // The handler ends the dialog itself when it wants to.
        props.handler(handleOf(sender), _window, props.user);
        return;
    }
    if (tag == 1 || tag == 2) [self quitWithResult:static_cast<int32_t>(tag)];
}

- (void)doCancelBtn:(id)sender {
    (void)sender;
    [self quitWithResult:2];
}

- (BOOL)windowShouldClose:(id)sender {
    (void)sender;
    [self quitWithResult:2];
    return NO;
}

@end

int32_t doModalDialog(const char* name, DlgSetupProc setup, void* user) {
    MyPool pool;
    PlxDlgController* controller = [[PlxDlgController alloc] initWithName:name user:user];
    int32_t result = 0;
    if ([controller panel]) result = [controller runModal:setup];
    [controller release];
    return result;
}

void quitModalDialog(PlxWindow dialog, int32_t result) {
    [controllerOf(dialog) quitWithResult:result];
}

PlxWindow createDialogWindow(const char* name, void* user, bool* described) {
    if (described) *described = false;
    // Handed over unshown: the host finds it among the application's
    // windows.
    PlxDlgController* controller = [[PlxDlgController alloc] initWithName:name
                                                                     user:user
                                                                 deferred:NO];
    if (![controller panel]) {
        [controller release];
        return 0;
    }
    if (!sDetached) sDetached = [NSMutableArray new];
    [sDetached addObject:controller];
    [controller release];
    if (described) *described = true;
    return [controller window];
}

void destroyDialogWindow(PlxWindow dialog) {
    PlxDlgController* controller = controllerOf(dialog);
    if (controller && [sDetached containsObject:controller]) {
        [[controller panel] orderOut:nil];
        [sDetached removeObject:controller];
    }
}

bool startDialogTimer(PlxWindow dialog, uint32_t intervalMs, DlgTimerProc proc) {
    return [controllerOf(dialog) startTimer:intervalMs proc:proc];
}

void stopDialogTimer(PlxWindow dialog) {
    [controllerOf(dialog) stopTimer];
}

void setToolWindowStyle(PlxWindow dialog) {
    id panel = objectOf(dialog);
    if (![panel isKindOfClass:[NSPanel class]]) return;
    // A tool window floats above the document windows. (A Mac build could
    // also give it the utility style, [panel setStyleMask:... |
    // NSUtilityWindowMask]; GNUstep's panels keep the style they were
    // made with.)
    [(NSPanel*)panel setFloatingPanel:YES];
}

void wakeModalRun() {
    NSEvent* event = [NSEvent otherEventWithType:NSApplicationDefined
                                        location:NSZeroPoint
                                   modifierFlags:0
                                       timestamp:0
                                    windowNumber:0
                                         context:nil
                                         subtype:0
                                           data1:0
                                           data2:0];
    [NSApp postEvent:event atStart:NO];
}
