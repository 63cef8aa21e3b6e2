// The application class of a Cocoa program that plays the person: it
// tells an observer when a window starts and ends a modal run (runModal-
// ForWindow:, which alerts and save panels use too) or a modal session
// (beginModalSessionForWindow: to endModalSession:, the progress window's
// loop), with the code the run ended with. The stand-in host makes its
// application object of this class. Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

@interface PlexuiApplication : NSApplication
@end

namespace cocoamodal {

enum class Phase { Opened, Turn, Closed };
// Opened: the run starts (result 0); Turn: a modal session's window is
// served once more (runModalSession:, between the steps of its work);
// Closed: it ended with `result`. `session`: a modal session rather than
// a modal run.
using Observer = void (*)(NSWindow* window, Phase phase, bool session, long result, void* user);

// One observer at a time; nullptr removes it.
void setObserver(Observer observer, void* user);

// Whether the window's modal run or session was stopped and is about to
// end (stopModal…, abortModal), so that nobody acts in it any more.
bool stopping(NSWindow* window);

} // namespace cocoamodal
