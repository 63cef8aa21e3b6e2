// A host window that carries plug-in panels: the preferences window and
// the output-style editor. Tabs across the top (the host's own page first,
// then one tab per plug-in panel), the selected tab's page beneath them,
// and the confirming button and Cancel at the bottom (Return and Escape).
// What a person does in a panel goes to that panel alone: a panel's
// control never closes the window, whatever its id.
//
// The host talks to each panel as xt/xtpanels.h describes: it hands the
// plug-in an empty container window, the plug-in names its template and
// builds it there, and the host places it as a page. The host never looks
// into a plug-in's template.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/native_panels.h"
#include "host/panel_container.h"
#include "ui/types.h"
#include "xt/xtcallbacks.h"
#include "xt/xtpanels.h"

namespace plxhost {

class Host;

struct DeclaredControl {
    int32_t id = 0;
    int32_t kind = 0; // kXTControl…
};

struct PanelPage {
    std::string title;
    ui::Handle pane = ui::kNoWindow;
    uint32_t callbackId = 0; // 0 for the host's own page and native panels
    int32_t value = 0;       // the value given with addPanel
    int native = -1;         // the page of a native panel, else -1
    XTPanelTemplate answer{};
    std::vector<DeclaredControl> declared;
};

class PanelWindow : public PanelContainer {
  public:
    // Ids of the host's own controls. A panel's controls are addressed by
    // their ids like any others, so the host's stay clear of the small ids
    // templates use, its buttons included: a script clicks them by title,
    // and Return and Escape reach them through the window itself.
    static constexpr int kOkId = 100;
    static constexpr int kCancelId = 101;
    static constexpr int kTabsId = 102;
    static constexpr int kHostPageId = 103;
    static constexpr int kFirstHostControlId = 110;
    static constexpr int kFirstPanelId = 200;

    // The window, owned by the host's main window when there is one. The
    // host's page is tab `hostTab`; the confirming button is titled `okTitle`.
    PanelWindow(Host& host, const std::string& title, const std::string& hostTab,
                const std::string& okTitle);
    ~PanelWindow() override;

    ui::Handle window() const { return window_; }
    // The pane the host's own controls go into, and its size.
    ui::Handle hostPage() const { return pages_.front().pane; }
    void setHostPageSize(int width, int height);

    // Lets plug-ins add panels while `ask` sends the callback that carries
    // container(), then builds every panel added (template, controls,
    // opening, init), lays out the window and selects the first tab, or
    // the panel that asked to be shown first.
    void collectPanels(const std::function<void()>& ask);

    // Runs the window modally, the host's main window disabled meanwhile.
    // 1 when the user confirmed it, else 2.
    int run();
    // Sends kXTPanelSave to every panel.
    void savePanels();

    const std::vector<PanelPage>& pages() const { return pages_; }
    // The selected tab's index.
    int selectedPage() const;

    int32_t addPanel(uint32_t callbackId, int32_t value) override;
    bool declaring(XTWindowRef panel) const override;
    int32_t declareControl(int32_t id, int32_t kind) override;

  private:
    int32_t send(PanelPage& page, int32_t message, int32_t state, void* param);
    bool buildPanel(size_t index);
    void layout();
    void showPage(int index);
    // The page whose container holds the control, or null.
    PanelPage* pageOf(ui::Handle control);
    void controlWorked(PanelPage& page, ui::Handle control, ui::Notify notify);
    static std::intptr_t windowProc(ui::Handle self, const ui::Message& msg, void* user);

    Host& host_;
    bool accepting_ = false; // plug-ins may add panels now
    int declaring_ = -1;     // the page whose controls are being declared
    ui::Handle window_ = ui::kNoWindow;
    ui::Handle tabs_ = ui::kNoWindow;
    ui::Handle ok_ = ui::kNoWindow;
    ui::Handle cancel_ = ui::kNoWindow;
    std::vector<PanelPage> pages_;
    std::vector<PanelPage> requested_; // added by plug-ins, not yet built
    std::unique_ptr<NativePanels> native_;
};

} // namespace plxhost
