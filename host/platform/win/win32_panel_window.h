// The host's window with plug-in panels on Win32: the preferences window
// and the output-style editor. A tab control across the top (the host's own
// page first, then one tab per plug-in panel), the selected tab's page
// beneath it, the confirming button and Cancel at the bottom; Return and
// Escape press them. The ids are those of every host panel window
// (host/host_panel_window.h), so a person finds the same controls in all.
//
// Each page is a container window; a plug-in builds its panel into the one
// it is handed (a child dialog made from its template) and passes on to it
// what a person does in the panel. Whatever that is, it goes to that panel
// alone: no control of a panel closes the window, whatever its id.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host/host_panel_window.h"

namespace plxhost {

class Host;

class Win32PanelWindow : public HostPanelWindow {
  public:
    // The window, hidden, owned by the host's main window when there is
    // one. The host's page is tab `hostTab`; the confirming button is
    // titled `okTitle`.
    Win32PanelWindow(Host& host, const std::string& title, const std::string& hostTab,
                     const std::string& okTitle);
    ~Win32PanelWindow() override;

    HWND window() const { return window_; }
    // The page the host's own controls go into.
    HWND hostPage() const { return hostPage_; }

    void addHostText(int id, const std::string& text, int top) override;
    void addHostCheckBox(int id, const std::string& title, int top, bool checked) override;
    bool hostCheckBox(int id) const override;
    void setHostPageSize(int width, int height) override;
    void collectPanels(const std::function<void()>& ask) override;
    int run() override;
    void savePanels() override;
    int selectedPage() const;

  protected:
    XTWindowRef makePane(int id) override;
    bool paneIntact(XTWindowRef pane) override;
    void destroyPane(XTWindowRef pane) override;
    std::string paneTitle(XTWindowRef pane) override;
    void placePane(XTWindowRef pane) override;
    int32_t findDeclared(XTWindowRef pane, int32_t id, int32_t kind) override;

  private:
    // The host's page, then each panel's, in the order of the tabs.
    std::vector<HWND> pages() const;
    void layout();
    void showPage(int index);
    void pageCommand(HWND pane, WPARAM wParam);
    void end(int result);
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK paneProc(HWND pane, UINT msg, WPARAM wParam, LPARAM lParam);

    std::string hostTab_;
    int result_ = 0; // set when the modal run ends
    HWND window_ = nullptr;
    HWND tabs_ = nullptr;
    HWND ok_ = nullptr;
    HWND cancel_ = nullptr;
    HWND hostPage_ = nullptr;
};

// The font of the host's controls.
HFONT hostFont();

} // namespace plxhost
