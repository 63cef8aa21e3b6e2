// Watching the window system while the plug-in's dialogs and the host's
// windows run modally: what each window showed when it opened and just
// before it closed, and scripts given in their text form.
#pragma once

#include <string>
#include <vector>

#include "ui/ui.h"

namespace plxtest {

class WindowWatch {
  public:
    // Watches from now until destroyed (the window system's one observer).
    WindowWatch();
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Each modal window's tree as it opened and as it was when its loop
    // ended, in the order the windows opened.
    struct Seen {
        ui::ControlInfo opened;
        ui::ControlInfo closed;
        int result = 0;
    };
    const std::vector<Seen>& seen() const { return seen_; }
    // The first window seen with that title; fails the test when none.
    const Seen& titled(const std::string& title) const;
    bool sawTitle(const std::string& title) const;

  private:
    static void observe(const ui::Event& event, void* user);
    std::vector<Seen> seen_;
    std::vector<std::pair<ui::Handle, size_t>> open_; // running loops
};

// The control with the id in an observed tree (depth-first), or an empty
// info (handle 0).
ui::ControlInfo controlIn(const ui::ControlInfo& root, int id);

// Hands the window system a script in its text form; fails the test when
// it does not parse.
void playScript(const std::string& text);

// The texts of the message boxes shown so far.
std::vector<std::string> messageBoxTexts();

} // namespace plxtest
