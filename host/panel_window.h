// The host's window with plug-in panels in the headless window system
// (host_panel_window.h tells what it shows). Each panel's page is a pane
// the plug-in builds its template into; panels a plug-in hands over as
// platform objects (native_panels.h) get a page of their own, which holds
// their room while their view is shown beside the window.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/host_panel_window.h"
#include "host/native_panels.h"
#include "ui/types.h"

namespace plxhost {

class PanelWindow : public HostPanelWindow {
  public:
    // The window, owned by the host's main window when there is one.
    PanelWindow(Host& host, const std::string& title, const std::string& hostTab,
                const std::string& okTitle);
    ~PanelWindow() override;

    ui::Handle window() const { return window_; }
    // The pane the host's own controls go into.
    ui::Handle hostPage() const { return tabs_.front().pane; }

    void addHostText(int id, const std::string& text, int top) override;
    void addHostCheckBox(int id, const std::string& title, int top, bool checked) override;
    bool hostCheckBox(int id) const override;
    void setHostPageSize(int width, int height) override;
    void collectPanels(const std::function<void()>& ask) override;
    int run() override;
    void savePanels() override;
    // The selected tab's index.
    int selectedPage() const;

  protected:
    XTWindowRef makePane(int id) override;
    bool paneIntact(XTWindowRef pane) override;
    void destroyPane(XTWindowRef pane) override;
    std::string paneTitle(XTWindowRef pane) override;
    void placePane(XTWindowRef pane) override;
    int32_t findDeclared(XTWindowRef pane, int32_t id, int32_t kind) override;

  private:
    // A tab and its page: the host's, a plug-in panel's, or the room of a
    // native panel (`native` its index there, else -1).
    struct Tab {
        std::string title;
        ui::Handle pane = ui::kNoWindow;
        int native = -1;
    };

    void layout();
    void showPage(int index);
    // Whether the control lies on the page of a panel.
    bool onPanel(ui::Handle control, ui::Handle* pane) const;
    static std::intptr_t windowProc(ui::Handle self, const ui::Message& msg, void* user);

    ui::Handle window_ = ui::kNoWindow;
    ui::Handle tabControl_ = ui::kNoWindow;
    ui::Handle ok_ = ui::kNoWindow;
    ui::Handle cancel_ = ui::kNoWindow;
    std::vector<Tab> tabs_;
    std::unique_ptr<NativePanels> native_;
};

} // namespace plxhost
