// Playing the window system's script (ui/script.h) on Cocoa windows, as
// its modal loops play it on their own: while a Cocoa window runs modally,
// a timer in the modal run loop mode takes the action at the head of the
// script when it addresses that window and carries it out as a person
// would (ui/platform/mac/cocoa_person.h); when the head addresses
// anything else, the window has nothing more to expect and is closed —
// but for a modal session (a progress window), which goes on by itself.
// A wait holds the script for that many milliseconds of real time.
//
// What the person sees is told to a sink in the window system's terms:
// each window opened and closed (with its controls observed and the code
// it ended with), each alert as a message box, every action done or
// refused, and progress bars as they move. Needs the application object
// to be a PlexuiApplication (ui/platform/mac/cocoa_modal.h).
// Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include "ui/observe.h"

namespace cocoascript {

class Sink {
  public:
    virtual ~Sink() = default;
    // Opened, Closed (result), MessageBox (text, items), Answer, Action,
    // Refused (text with the reason) and Fallback records, with the
    // window concerned as observed then.
    virtual void record(const ui::Record& record, const ui::ControlInfo& window) = 0;
    virtual void progress(int value, int minimum, int maximum) = 0;
};

// Plays the script from construction to destruction. One at a time.
class Runner {
  public:
    explicit Runner(Sink* sink);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;
};

} // namespace cocoascript
