// A small test plug-in for the host's menus, preferences window and
// output-style editor: callbacks made of functions in the test program,
// registered through the set-up record and working through the host's
// menu, tab-control and button-control groups like a real plug-in. What it
// does is set in `UiPluginScript` before the host calls it; what the host
// sent it is written to `UiPluginSeen`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/host.h"

namespace plxtest {

struct UiPluginScript {
    bool enableSecond = true;     // code 7 enables the submenu's second command
    bool addPanel = true;         // 279 and 728 add a panel
    int32_t panelValue = 0;       // the value given with addPanel
    uint32_t panelIdOverride = 0; // add this identifier instead of the registered one
    bool answerTemplate = true;   // the template request is answered
    bool buildControls = true;    // check box 3, static 1 and popup 6 are built and declared
    std::string panelTitle = "Tester";
};

struct UiPluginSeen {
    std::vector<std::string> events; // "6", "618 1003", "panel 0x80000000 0", "728 Name", …
    std::vector<int16_t> commands;   // numbers handed out: submenu item, One, Two
    int32_t addPanelResult = -1;
    std::vector<int32_t> declareResults;
    int64_t checkAtSave = -1;     // check box 3 when the save message came
    XTMenuRef contextMenu = nullptr;
    uint32_t stylesPanelDoneValue = 0xFFFF;
};

UiPluginScript& uiPluginScript();
UiPluginSeen& uiPluginSeen();

// Resets script and record, and attaches the plug-in to the host. Returns
// the activation result.
int32_t attachUiPlugin(plxhost::Host& host);

// The test plug-in's identifier.
constexpr uint32_t kUiPluginId = XT_FOURCC('T', 'S', 'T', 'U');

} // namespace plxtest
