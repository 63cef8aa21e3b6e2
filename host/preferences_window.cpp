#include "host/preferences_window.h"

#include "host/host.h"
#include "host/host_panel_window.h"

namespace plxhost {

namespace {
bool sOpen = false;
} // namespace

int runPreferencesWindow(Host& host) {
    if (sOpen) return 0;
    sOpen = true;
    int result = 2;
    {
        std::unique_ptr<HostPanelWindow> window =
            makePanelWindow(host, kPreferencesTitle, "General", "OK");
        window->addHostText(HostPanelWindow::kFirstHostControlId,
                            "The host keeps no preferences of its own.", 0);
        window->setHostPageSize(300, 40);
        window->collectPanels([&]() {
            XTAppPrefsRec rec{};
            rec.container = window->container();
            host.sendCallback(kXTCBAppPrefs, &rec);
        });
        result = window->run();
        if (result == 1) window->savePanels();
    }
    sOpen = false;
    return result;
}

} // namespace plxhost
