#include "host/preferences_window.h"

#include "host/host.h"
#include "host/native_windows.h"
#include "host/panel_window.h"
#include "ui/ui.h"

namespace plxhost {

namespace {
bool sOpen = false;
} // namespace

int runPreferencesWindow(Host& host) {
    if (host.usesNativeWindows()) return runNativePreferencesWindow(host);
    if (sOpen) return 0;
    sOpen = true;
    PanelWindow window(host, kPreferencesTitle, "General", "OK");
    ui::createControl(window.hostPage(), ui::Kind::Static, PanelWindow::kFirstHostControlId,
                      ui::Rect{0, 0, 300, 16}, "The host keeps no preferences of its own.");
    window.setHostPageSize(300, 40);
    window.collectPanels([&]() {
        XTAppPrefsRec rec{};
        rec.container = window.container();
        host.sendCallback(kXTCBAppPrefs, &rec);
    });
    int result = window.run();
    if (result == 1) window.savePanels();
    sOpen = false;
    return result;
}

} // namespace plxhost
