// What the person at the terminal sees of the window system while a
// command runs: message boxes on standard error, and a progress bar when
// standard error is a terminal.
#pragma once

namespace plxcli {

class UiReporter {
  public:
    UiReporter();  // starts reporting
    ~UiReporter(); // stops, ending a progress line that is drawn
    UiReporter(const UiReporter&) = delete;
    UiReporter& operator=(const UiReporter&) = delete;
};

} // namespace plxcli
