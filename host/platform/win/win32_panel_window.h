// The host's window with plug-in panels on Win32: the preferences window
// and the output-style editor. A tab control across the top (the host's own
// page first, then one tab per plug-in panel), the selected tab's page
// beneath it, the confirming button and Cancel at the bottom; Return and
// Escape press them. The ids are those of the headless window
// (host/panel_window.h), so a person finds the same controls in both.
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

#include "host/panel_container.h"
#include "host/panel_window.h"

namespace plxhost {

class Host;

class Win32PanelWindow : public PanelContainer {
  public:
    // The window, hidden, owned by the host's main window when there is
    // one. The host's page is tab `hostTab`; the confirming button is
    // titled `okTitle`.
    Win32PanelWindow(Host& host, const std::string& title, const std::string& hostTab,
                     const std::string& okTitle);
    ~Win32PanelWindow() override;

    HWND window() const { return window_; }
    // The page the host's own controls go into, and its size in pixels.
    HWND hostPage() const { return pages_.front().pane; }
    void setHostPageSize(int width, int height);
    // Makes a control of the host's page in the window's font.
    HWND addHostControl(const wchar_t* className, int id, const std::string& text, DWORD style,
                        int x, int y, int width, int height);

    // As PanelWindow::collectPanels: plug-ins add panels while `ask` sends
    // the callback, then each is built (template, controls), told of the
    // opening and filled, and the window opens on the first tab or the
    // panel that asked to be shown first.
    void collectPanels(const std::function<void()>& ask);
    // Runs the window modally, the main window disabled meanwhile: 1 when
    // the user confirmed it, else 2.
    int run();
    // Sends kXTPanelSave to every panel.
    void savePanels();
    int selectedPage() const;

    int32_t addPanel(uint32_t callbackId, int32_t value) override;
    bool declaring(XTWindowRef panel) const override;
    int32_t declareControl(int32_t id, int32_t kind) override;

  private:
    struct Page {
        std::string title;
        HWND pane = nullptr;
        uint32_t callbackId = 0; // 0 for the host's own page
        int32_t value = 0;
        XTPanelTemplate answer{};
        std::vector<DeclaredControl> declared;
    };

    int32_t send(Page& page, int32_t message, int32_t state, void* param);
    bool buildPanel(size_t index);
    void layout();
    void showPage(int index);
    void pageCommand(HWND pane, WPARAM wParam);
    void end(int result);
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK paneProc(HWND pane, UINT msg, WPARAM wParam, LPARAM lParam);

    Host& host_;
    bool accepting_ = false;
    int declaring_ = -1;
    int result_ = 0; // set when the modal run ends
    HWND window_ = nullptr;
    HWND tabs_ = nullptr;
    HWND ok_ = nullptr;
    HWND cancel_ = nullptr;
    std::vector<Page> pages_;
    std::vector<Page> requested_;
};

// The font of the host's controls.
HFONT hostFont();

} // namespace plxhost
