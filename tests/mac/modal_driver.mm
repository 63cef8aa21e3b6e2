#include "modal_driver.h"

namespace {

// Shorter than any page takes to output, so the timer is due again at every
// turn of a progress session.
constexpr NSTimeInterval kTick = 0.0001;
constexpr NSTimeInterval kLimit = 20;

void collectImages(NSView* view, std::vector<NSSize>* out) {
    NSImage* image = nil;
    if ([view isKindOfClass:[NSImageView class]]) image = [(NSImageView*)view image];
    if ([view isKindOfClass:[NSButton class]]) image = [(NSButton*)view image];
    if (image) out->push_back([image size]);
    for (NSView* sub in [view subviews]) collectImages(sub, out);
}

void collectTexts(NSView* view, std::string* out) {
    if ([view isKindOfClass:[NSTextField class]]) {
        const char* text = [[(NSTextField*)view stringValue] UTF8String];
        if (text && *text) {
            if (!out->empty()) *out += "|";
            *out += text;
        }
    }
    for (NSView* sub in [view subviews]) collectTexts(sub, out);
}

NSButton* findButton(NSView* view, NSString* title) {
    if ([view isKindOfClass:[NSButton class]] && [[(NSButton*)view title] isEqualToString:title])
        return (NSButton*)view;
    for (NSView* sub in [view subviews])
        if (NSButton* found = findButton(sub, title)) return found;
    return nil;
}

} // namespace

namespace modal {
void press(NSControl* control);
}

@interface NSControl (PlxModalDriver)
- (void)plxPress;
@end

@implementation NSControl (PlxModalDriver)
- (void)plxPress {
    modal::press(self);
}
@end

@implementation PlxModalDriver

- (id)initWithSteps:(const std::vector<ModalStep>&)steps {
    self = [super init];
    if (!self) return nil;
    _steps = new std::vector<ModalStep>(steps);
    _deadline = [[NSDate dateWithTimeIntervalSinceNow:kLimit] retain];
    _timer = [[NSTimer timerWithTimeInterval:kTick
                                      target:self
                                    selector:@selector(tick:)
                                    userInfo:nil
                                     repeats:YES] retain];
    [[NSRunLoop currentRunLoop] addTimer:_timer forMode:NSModalPanelRunLoopMode];
    return self;
}

- (void)dealloc {
    [self stop];
    delete _steps;
    [_deadline release];
    [super dealloc];
}

- (void)stop {
    [_timer invalidate];
    [_timer release];
    _timer = nil;
}

- (BOOL)finished {
    return _next >= _steps->size();
}

- (BOOL)timedOut {
    return _timedOut;
}

- (void)tick:(NSTimer*)timer {
    (void)timer;
    if ([self finished]) return;
    if ([_deadline timeIntervalSinceNow] < 0) {
        _timedOut = YES;
        [NSApp abortModal];
        return;
    }
    if ((*_steps)[_next]()) ++_next;
}

@end

namespace modal {

NSWindow* window() {
    return [NSApp modalWindow];
}

bool windowIs(const char* className) {
    return [window() isKindOfClass:NSClassFromString([NSString stringWithUTF8String:className])];
}

std::string textsOf(NSWindow* w) {
    std::string out;
    if (w) collectTexts([w contentView], &out);
    return out;
}

std::vector<NSSize> imagesOf(NSWindow* w) {
    std::vector<NSSize> out;
    if (w) collectImages([w contentView], &out);
    return out;
}

NSButton* buttonTitled(NSWindow* w, NSString* title) {
    return w ? findButton([w contentView], title) : nil;
}

void press(NSControl* control) {
    [control sendAction:[control action] to:[control target]];
    // A click is an event: a modal run that the action stopped notices it
    // when the next event comes, and waits for one until then.
    [NSApp postEvent:[NSEvent otherEventWithType:NSApplicationDefined
                                        location:NSZeroPoint
                                   modifierFlags:0
                                       timestamp:0
                                    windowNumber:0
                                         context:nil
                                         subtype:0
                                           data1:0
                                           data2:0]
             atStart:NO];
}

void key(NSWindow* w, NSString* characters) {
    NSEvent* event = [NSEvent keyEventWithType:NSKeyDown
                                      location:NSZeroPoint
                                 modifierFlags:0
                                     timestamp:0
                                  windowNumber:[w windowNumber]
                                       context:nil
                                    characters:characters
                   charactersIgnoringModifiers:characters
                                     isARepeat:NO
                                       keyCode:0];
    [w performKeyEquivalent:event];
}

void pressLater(NSControl* control) {
    sendLater(control, @selector(plxPress));
}

void sendLater(id target, SEL action) {
    [target performSelector:action
                 withObject:nil
                 afterDelay:0
                    inModes:[NSArray arrayWithObject:NSModalPanelRunLoopMode]];
}

} // namespace modal
