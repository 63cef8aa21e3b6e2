// The plug-in's dialogs are real Win32 dialogs in this build: the runner
// plays the person's script on them (ui/platform/win/win32_runner.h) and
// tells the window system's transcript and observer, and so the person,
// what it saw.
#include "cli/window_driver.h"

#include "ui/platform/win/win32_runner.h"

namespace plxcli {

namespace {

class Win32Driver : public WindowDriver {
  public:
    ~Win32Driver() override { win32person::stopRunner(); }
};

} // namespace

std::unique_ptr<WindowDriver> startWindowDriver(Person&) {
    if (!win32person::startRunner()) return nullptr;
    return std::make_unique<Win32Driver>();
}

} // namespace plxcli
