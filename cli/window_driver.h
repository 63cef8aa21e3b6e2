// The platform's own windows beside the window system (the plug-in's Cocoa
// windows in the macOS build): a driver plays the person's script on them
// and tells the person what it saw, in the window system's terms, so that
// the commands read a Cocoa window as they read one of the window
// system's. Where every window is the window system's there is none.
#pragma once

#include <memory>

namespace plxcli {

class Person;

class WindowDriver {
  public:
    virtual ~WindowDriver() = default;
};

// Drives for the person until destroyed; null where there is nothing to
// drive.
std::unique_ptr<WindowDriver> startWindowDriver(Person& person);

} // namespace plxcli
