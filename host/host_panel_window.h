// A host window that carries plug-in panels (the preferences window and
// the output-style editor), whichever window system shows it: tabs across
// the top (the host's own page first, then one tab per plug-in panel), the
// selected tab's page beneath them, and the confirming button and Cancel at
// the bottom (Return and Escape). What a person does in a panel goes to
// that panel alone: a panel's control never closes the window, whatever
// its id. The panels themselves are the session's (panel_session.h); the
// headless window (panel_window.h) and the platforms' own make the rest.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/panel_session.h"

namespace plxhost {

class Host;

class HostPanelWindow : protected PanelPanes {
  public:
    // Ids of the host's own controls, the same in every window system. A
    // panel's controls are addressed by their ids like any others, so the
    // host's stay clear of the small ids templates use, its buttons
    // included: a script clicks them by title, and Return and Escape reach
    // them through the window itself.
    static constexpr int kOkId = 100;
    static constexpr int kCancelId = 101;
    static constexpr int kTabsId = 102;
    static constexpr int kHostPageId = 103;
    static constexpr int kFirstHostControlId = 110;
    static constexpr int kFirstPanelId = 200;

    explicit HostPanelWindow(Host& host);
    ~HostPanelWindow() override;
    HostPanelWindow(const HostPanelWindow&) = delete;
    HostPanelWindow& operator=(const HostPanelWindow&) = delete;

    // What plug-ins add their panels to while collectPanels asks them.
    XTPanelContainerRef container() { return session_.container(); }
    const std::vector<PanelSession::Panel>& panels() const { return session_.panels(); }

    // The host's page: a line of text, or a check box, 300 wide at `top`.
    virtual void addHostText(int id, const std::string& text, int top) = 0;
    virtual void addHostCheckBox(int id, const std::string& title, int top, bool checked) = 0;
    // Whether the host's check box of the id is checked.
    virtual bool hostCheckBox(int id) const = 0;
    virtual void setHostPageSize(int width, int height) = 0;

    // Lets plug-ins add panels while `ask` sends the callback that carries
    // container(), builds every panel added, lays out the window, tells
    // the panels of the opening, has them filled, and selects the first
    // tab or the panel that asked to be shown first.
    virtual void collectPanels(const std::function<void()>& ask) = 0;
    // Runs the window modally, the host's main window disabled meanwhile.
    // 1 when the user confirmed it, else 2.
    virtual int run() = 0;
    // The window was confirmed: every panel saves.
    virtual void savePanels() = 0;

  protected:
    Host& host_;
    PanelSession session_;
};

// The window titled `title` whose host page is tab `hostTab` and whose
// confirming button is titled `okTitle`: the platform's own when the host
// shows native windows, else the headless one.
std::unique_ptr<HostPanelWindow> makePanelWindow(Host& host, const std::string& title,
                                                 const std::string& hostTab,
                                                 const std::string& okTitle);

} // namespace plxhost
