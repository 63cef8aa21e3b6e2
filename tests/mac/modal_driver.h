// Acting in the plug-in's Cocoa windows from a test, as a person would:
// steps run from a timer in the modal panel run-loop mode (the only mode a
// modal run serves), one after the other, each retried until it reports
// that it acted. A run that is still waiting after the time limit has its
// modal window aborted, so a test fails instead of hanging.
#pragma once

#import <AppKit/AppKit.h>

#include <functional>
#include <string>
#include <vector>

// One step: true once it has acted (false: try again on the next tick).
using ModalStep = std::function<bool()>;

@interface PlxModalDriver : NSObject {
    std::vector<ModalStep>* _steps;
    size_t _next;
    NSTimer* _timer;
    NSDate* _deadline;
    BOOL _timedOut;
}
// Starts the steps; they run while the calling code is inside modal runs.
- (id)initWithSteps:(const std::vector<ModalStep>&)steps;
// Whether every step acted, and whether the time ran out.
- (BOOL)finished;
- (BOOL)timedOut;
- (void)stop;
@end

namespace modal {

// The window the current modal run serves (nil outside one).
NSWindow* window();
// Whether the modal window is of the class of that name.
bool windowIs(const char* className);
// Every text of the static and edit fields in a window, joined by "|".
std::string textsOf(NSWindow* window);
// The sizes of the images a window's image views and buttons show.
std::vector<NSSize> imagesOf(NSWindow* window);
// The first button titled `title` in a window; nil when none.
NSButton* buttonTitled(NSWindow* window, NSString* title);
// Presses a control as its own click does: its action sent to its target.
void press(NSControl* control);
// The same from the run loop, after the current step: for an action that
// runs a modal window of its own (a message box), so that the steps go on
// inside it.
void pressLater(NSControl* control);
// A key pressed in a window: its key equivalents answer it (Escape
// presses the button that has Escape as its key equivalent).
void key(NSWindow* window, NSString* characters);
// Sends `action` to `target` from the run loop, after the current step.
void sendLater(id target, SEL action);

} // namespace modal
