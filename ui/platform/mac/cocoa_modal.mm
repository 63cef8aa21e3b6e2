#include "ui/platform/mac/cocoa_modal.h"

namespace {

cocoamodal::Observer sObserver = nullptr;
void* sUser = nullptr;
// The window of the modal run under way, whose session (GNUstep runs a
// modal run as a session) is not told a second time.
NSWindow* sRunning = nil;
long sStopCode = 0;
// Windows whose run was stopped and has not ended yet.
NSMutableArray* sStopped = nil;

void noteStopped(NSWindow* window) {
    if (!window) return;
    if (!sStopped) sStopped = [[NSMutableArray alloc] init];
    [sStopped addObject:window];
}

void forgetStopped(NSWindow* window) {
    if (window) [sStopped removeObjectIdenticalTo:window];
}

void tell(NSWindow* window, cocoamodal::Phase phase, bool session, long result) {
    if (sObserver) sObserver(window, phase, session, result, sUser);
}

} // namespace

namespace cocoamodal {

void setObserver(Observer observer, void* user) {
    sObserver = observer;
    sUser = user;
}

bool stopping(NSWindow* window) {
    return window && sStopped && [sStopped indexOfObjectIdenticalTo:window] != NSNotFound;
}

} // namespace cocoamodal

@implementation PlexuiApplication

- (NSInteger)runModalForWindow:(NSWindow*)window {
    NSWindow* outer = sRunning;
    sRunning = window;
    tell(window, cocoamodal::Phase::Opened, false, 0);
    NSInteger result = 0;
    @try {
        result = [super runModalForWindow:window];
    } @finally {
        sRunning = outer;
        forgetStopped(window);
    }
    tell(window, cocoamodal::Phase::Closed, false, static_cast<long>(result));
    return result;
}

- (NSModalSession)beginModalSessionForWindow:(NSWindow*)window {
    NSModalSession session = [super beginModalSessionForWindow:window];
    sStopCode = 0;
    if (window != sRunning) tell(window, cocoamodal::Phase::Opened, true, 0);
    return session;
}

- (NSInteger)runModalSession:(NSModalSession)session {
    NSWindow* window = [self modalWindow];
    if (window && window != sRunning) tell(window, cocoamodal::Phase::Turn, true, 0);
    return [super runModalSession:session];
}

- (void)stopModalWithCode:(NSInteger)code {
    sStopCode = static_cast<long>(code);
    noteStopped([self modalWindow]);
    [super stopModalWithCode:code];
}

- (void)abortModal {
    noteStopped([self modalWindow]);
    [super abortModal];
}

- (void)endModalSession:(NSModalSession)session {
    NSWindow* window = [self modalWindow];
    bool told = window && window != sRunning;
    long code = sStopCode;
    [super endModalSession:session];
    if (window != sRunning) forgetStopped(window);
    if (told) tell(window, cocoamodal::Phase::Closed, true, code);
}

@end
