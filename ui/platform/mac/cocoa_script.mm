#include "ui/platform/mac/cocoa_script.h"

#include <string>
#include <vector>

#include "ui/platform/mac/cocoa_modal.h"
#include "ui/platform/mac/cocoa_person.h"
#include "ui/script.h"

@interface PlexuiScriptTicker : NSObject
- (void)tick:(NSTimer*)timer;
@end

namespace cocoascript {

namespace {

// How often the script looks at the modal window, in seconds.
constexpr NSTimeInterval kTick = 0.001;

struct Frame {
    NSWindow* window = nil;
    bool session = false;
    bool closing = false;
    bool boxUntold = false; // an alert not yet told as a message box
    int ticks = 0;
    int progress = -1;
};

struct State {
    Sink* sink = nullptr;
    PlexuiScriptTicker* ticker = nil;
    NSTimer* timer = nil;
    std::vector<Frame> frames; // innermost last
    NSTimeInterval waitUntil = 0;
};

State* sState = nullptr;

NSTimeInterval clock() {
    return [NSDate timeIntervalSinceReferenceDate];
}

// A fresh one-shot timer for each tick: an action may open a modal window
// whose own run must see the next tick while this one has not returned.
void scheduleTick() {
    sState->timer = [NSTimer timerWithTimeInterval:kTick
                                            target:sState->ticker
                                          selector:@selector(tick:)
                                          userInfo:nil
                                           repeats:NO];
    // Modal runs and sessions run the loop in this mode only; a timer in
    // the common modes would never fire there.
    [[NSRunLoop currentRunLoop] addTimer:sState->timer forMode:NSModalPanelRunLoopMode];
}

void tell(ui::RecordKind kind, NSWindow* window, const std::string& text, int result = 0) {
    ui::Record record;
    record.kind = kind;
    record.window = cocoaperson::utf8([window title]);
    record.text = text;
    record.result = result;
    sState->sink->record(record, cocoaperson::observe(window));
}

NSProgressIndicator* progressBarIn(NSView* view) {
    for (NSView* child in [view subviews]) {
        if ([child isKindOfClass:[NSProgressIndicator class]]) return (NSProgressIndicator*)child;
        if (NSProgressIndicator* inner = progressBarIn(child)) return inner;
    }
    return nil;
}

void watchProgress(Frame& frame) {
    NSProgressIndicator* bar = progressBarIn([frame.window contentView]);
    if (!bar) return;
    int value = static_cast<int>([bar doubleValue]);
    if (value == frame.progress) return;
    frame.progress = value;
    sState->sink->progress(value, static_cast<int>([bar minValue]), static_cast<int>([bar maxValue]));
}

// An alert's buttons answer 1000, 1001, … from the right: the window
// system numbers them 1, 2, ….
int answerOf(long result) {
    return result >= NSAlertFirstButtonReturn ? static_cast<int>(result - NSAlertFirstButtonReturn) + 1
                                              : static_cast<int>(result);
}

// An alert is told once its run has begun: the alert's window takes its
// title and texts inside the run (GNUstep).
void tellBox(Frame& frame) {
    frame.boxUntold = false;
    NSWindow* window = frame.window;
    ui::Record box;
    box.kind = ui::RecordKind::MessageBox;
    box.window = cocoaperson::utf8([window title]);
    box.text = cocoaperson::alertText(window);
    ui::ControlInfo seen = cocoaperson::observe(window);
    for (const ui::ControlInfo& c : seen.children)
        if (c.kind == ui::Kind::PushButton) box.items.push_back(c.text);
    sState->sink->record(box, seen);
}

void modalChanged(NSWindow* window, cocoamodal::Phase phase, bool session, long result, void*) {
    if (!sState) return;
    if (phase == cocoamodal::Phase::Turn) {
        // Between two steps of a session's work: its bar as it stands.
        for (Frame& frame : sState->frames)
            if (frame.window == window) watchProgress(frame);
        return;
    }
    bool alert = cocoaperson::isAlert(window);
    if (phase == cocoamodal::Phase::Opened) {
        Frame frame;
        frame.window = [window retain];
        frame.session = session;
        frame.boxUntold = alert;
        sState->frames.push_back(frame);
        if (!alert) tell(ui::RecordKind::Opened, window, "opened");
        return;
    }
    for (auto it = sState->frames.rbegin(); it != sState->frames.rend(); ++it) {
        if (it->window != window) continue;
        if (it->boxUntold) tellBox(*it);
        watchProgress(*it);
        [it->window autorelease];
        sState->frames.erase(std::next(it).base());
        break;
    }
    if (alert)
        tell(ui::RecordKind::Answer, window, "answered", answerOf(result));
    else
        tell(ui::RecordKind::Closed, window, "closed", static_cast<int>(result));
}

// A person's action arrives as an event, after which a modal run looks
// whether it was stopped; an action from a timer is followed by an empty
// event to the same end (GNUstep waits for the next event otherwise).
void wake() {
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

void popHead() {
    std::vector<ui::Action> rest = ui::pendingActions();
    if (!rest.empty()) rest.erase(rest.begin());
    ui::setScript(rest);
}

void tick() {
    scheduleTick();
    if (sState->frames.empty()) return;
    Frame& frame = sState->frames.back();
    NSWindow* window = frame.window;
    // The first turn of a run is its own: what it sets up from its run
    // loop (an alert's title) is done before the person looks.
    if (++frame.ticks < 2) return;
    if (frame.boxUntold) tellBox(frame);
    watchProgress(frame);
    // Ended by what was done last; nothing more is done in it, and it is
    // woken until its run sees that it ended.
    if (cocoamodal::stopping(window)) {
        wake();
        return;
    }
    if (clock() < sState->waitUntil) return;
    std::vector<ui::Action> script = ui::pendingActions();
    if (!script.empty() && cocoaperson::addressed(script.front()) == window) {
        ui::Action action = script.front();
        popHead();
        std::string body = ui::formatAction(action);
        body = body.substr(body.find("] ") + 2);
        if (action.verb == ui::Verb::Wait) {
            sState->waitUntil = clock() + (action.number < 0 ? 0 : action.number) / 1000.0;
            tell(ui::RecordKind::Action, window, body);
            return;
        }
        // Told first: what the action brings up comes after it.
        std::string why;
        ui::ControlInfo before = cocoaperson::observe(window);
        ui::Record record;
        record.kind = ui::RecordKind::Action;
        record.window = before.text;
        record.text = body;
        [window retain];
        if (!cocoaperson::perform(window, action, &why)) {
            record.kind = ui::RecordKind::Refused;
            record.text += " -- refused: " + why;
        }
        if (sState) sState->sink->record(record, before);
        [window release];
        wake();
        return;
    }
    // A progress window goes on by itself; any other has nothing more to
    // expect from the person.
    if (frame.session) return;
    if (frame.closing) {
        if ([NSApp modalWindow] == window) [NSApp stopModalWithCode:2];
        wake();
        return;
    }
    frame.closing = true;
    tell(ui::RecordKind::Fallback, window, "nothing more in the script; closing");
    cocoaperson::close(window);
    wake();
}

} // namespace

Runner::Runner(Sink* sink) {
    sState = new State;
    sState->sink = sink;
    sState->ticker = [[PlexuiScriptTicker alloc] init];
    cocoamodal::setObserver(modalChanged, nullptr);
    scheduleTick();
}

Runner::~Runner() {
    cocoamodal::setObserver(nullptr, nullptr);
    [sState->timer invalidate];
    [sState->ticker release];
    for (Frame& frame : sState->frames) [frame.window release];
    delete sState;
    sState = nullptr;
}

} // namespace cocoascript

@implementation PlexuiScriptTicker

- (void)tick:(NSTimer*)timer {
    (void)timer;
    if (cocoascript::sState) cocoascript::tick();
}

@end
