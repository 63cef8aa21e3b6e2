// The plug-in's Cocoa windows in the macOS build: the person's script is
// played on them (ui/platform/mac/cocoa_script.h) and what the person saw
// is told to the person as the window system tells it of its own.
#include "cli/window_driver.h"

#include "cli/person.h"
#include "ui/platform/mac/cocoa_script.h"

namespace plxcli {

namespace {

class CocoaDriver : public WindowDriver, public cocoascript::Sink {
  public:
    explicit CocoaDriver(Person& person) : person_(person), runner_(this) {}
    void record(const ui::Record& record, const ui::ControlInfo& window) override {
        person_.seeForeign(record, window);
    }
    void progress(int value, int minimum, int maximum) override {
        person_.seeForeignProgress(value, minimum, maximum);
    }

  private:
    Person& person_;
    cocoascript::Runner runner_;
};

} // namespace

std::unique_ptr<WindowDriver> startWindowDriver(Person& person) {
    return std::make_unique<CocoaDriver>(person);
}

} // namespace plxcli
