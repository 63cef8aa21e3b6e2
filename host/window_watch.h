// Looking at the host's and the plug-ins' windows while they run modally,
// for whoever plays the user (the command line, tests): each window's
// controls as it opened and as they were when its loop ended, and every
// message box as it appears. Takes the window system's one observer for as
// long as it lives.
#pragma once

#include <string>
#include <vector>

#include "ui/observe.h"

namespace plxhost {

class WindowWatch {
  public:
    using MessageBoxProc = void (*)(const ui::Record& box, void* user);

    // `onMessageBox` (may be null) is told of each message box shown.
    explicit WindowWatch(MessageBoxProc onMessageBox = nullptr, void* user = nullptr);
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    struct Seen {
        ui::ControlInfo opened;
        ui::ControlInfo closed;
        int result = 0; // what the loop ended with
    };
    // The windows seen, in the order they opened.
    const std::vector<Seen>& seen() const { return seen_; }
    // The first and the last window seen with that title, or null.
    const Seen* first(const std::string& title) const;
    const Seen* last(const std::string& title) const;

    // `listener` (null to stop) is told of every event of the window
    // system after the watch has taken note of it: progress, windows
    // opening and closing, message boxes.
    using Listener = void (*)(const ui::Event& event, void* user);
    void setListener(Listener listener, void* user);

    // Windows the window system does not show (the platform's own, played
    // by a driver) are told here in its terms: the record, with the window
    // as observed then; and the progress of a bar in one. The listener
    // hears them as it hears the window system's.
    void noteForeign(const ui::Record& record, const ui::ControlInfo& window);
    void noteForeignProgress(int value, int minimum, int maximum);

  private:
    static void observe(const ui::Event& event, void* user);
    void note(const ui::Record& record, const ui::ControlInfo* window);
    MessageBoxProc onMessageBox_;
    void* user_;
    Listener listener_ = nullptr;
    void* listenerUser_ = nullptr;
    std::vector<Seen> seen_;
    std::vector<size_t> open_; // running loops, innermost last
};

// The control with the id in an observed tree (depth-first, the first
// match, as a script finds it), or an empty info (handle 0).
ui::ControlInfo controlIn(const ui::ControlInfo& root, int id);

} // namespace plxhost
